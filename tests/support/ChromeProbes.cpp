#include "ChromeProbes.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

void pressCaptionButton(QWidget *window, const QString &normalName)
{
    const QString kind = normalName.section(QLatin1Char('_'), 0, 0);
    auto *normal = window->findChild<QLabel *>(normalName);
    auto *hover = window->findChild<QLabel *>(kind + QStringLiteral("_hover"));
    auto *down = window->findChild<QLabel *>(kind + QStringLiteral("_down"));
    QVERIFY2(normal && hover && down, "no such caption button");
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(normal, &move);
    QTest::mousePress(hover, Qt::RightButton);
    QTest::mouseRelease(down, Qt::RightButton);
}

PaintCounter::PaintCounter(QWidget *widget)
{
    watch(widget);
}

void PaintCounter::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *inside : widget->findChildren<QWidget *>())
        inside->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}
