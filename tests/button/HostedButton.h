#pragma once

#include "button/chameleonButton.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

// The push button in a window of its own, as the button's test programs
// drive it.

inline const QRect buttonGeometry(10, 10, 73, 23);
inline const QPoint inside(40, 20);    // in the host window
inline const QPoint outside(200, 150); // in the host window, off the button
inline const QColor orange(255, 203, 107);

inline QFont captionFont()
{
    return QFont(QStringLiteral("DejaVu Sans"), 8);
}

struct Hosted
{
    std::unique_ptr<QWidget> host;
    chameleonButton *button = nullptr;
    chameleonButton *other = nullptr;
};

// A shown, active window with the button at (10, 10) and a second button
// beside it that can take the focus.
inline Hosted hosted(const QString &caption = QStringLiteral("&Copy"))
{
    Hosted h;
    h.host = std::make_unique<QWidget>();
    h.host->resize(300, 200);
    h.button = chameleonButton::Place(h.host.get(), caption, captionFont(), buttonGeometry);
    h.other = chameleonButton::Place(h.host.get(), QStringLiteral("Cl&ose"), captionFont(),
                                     QRect(100, 10, 73, 23));
    h.host->show();
    h.host->activateWindow();
    if (!QTest::qWaitForWindowActive(h.host.get()))
        qWarning("host window not active");
    return h;
}

inline QWindow *windowOf(const Hosted &h)
{
    return h.host->windowHandle();
}

// Style 3 shows its pressed look by orange side lines.
inline bool looksPressed(const chameleonButton *button)
{
    return QColor(button->picture().pixel(2, 10)) == orange;
}

inline QColor opaque(const QColor &colour)
{
    return QColor(colour.rgb());
}
