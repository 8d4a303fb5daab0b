#pragma once

#include "FakeServices.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>
#include <memory>

// The fixture of the tests that open windows. Each test function runs with a
// fresh set of fakes, in the C locale, and with the program's end recorded
// rather than taken; every window it leaves open is closed, which runs that
// window's own unloading while the fakes are still in place, and destroyed
// before the next test function.
class WindowTest : public QObject
{
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    std::unique_ptr<ScopedFakeServices> fakes;
    bool ended = false;
};

// The control of that name and kind inside the window; null, and the running
// test fails, when there is none.
template <typename Control = QWidget> Control *named(const QObject *window, const QString &name)
{
    auto *control = window->findChild<Control *>(name);
    if (!control)
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return control;
}

// A press, a release or a double-click of one mouse button, and the pointer
// moving with the buttons held, each straight to the control at a point of it
// (its middle where none is given), as the windowing system delivers them.
void press(QWidget *control, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
void release(QWidget *control, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
void doubleClick(QWidget *control, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
void moveOver(QWidget *control, QPoint at = {}, Qt::MouseButtons held = Qt::NoButton);

// A click of the key, or with no key one turn of the wheel by that angle
// (one notch up is (0, 120), tilted left (120, 0)) over the control's middle.
void keyOrWheel(QWidget *control, int key, QPoint angle);

// Runs the deletions that closing windows has queued.
void settle();

// Moves over the window's caption button whose normal picture has this
// name, presses it with the right button and releases: the press-and-release
// a user makes. Fails the running test when there is no such button.
void pressCaptionButton(QWidget *window, const QString &normalName);

// Counts the paint events a widget and every widget inside it receive.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget);
    void watch(QWidget *widget);
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
