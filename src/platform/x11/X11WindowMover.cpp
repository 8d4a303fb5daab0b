#include "platform/QtWindowMover.h"

#include "platform/PointerFollower.h"

#include <QWidget>
#include <QWindow>

void QtWindowMover::StartMove(QWidget *window)
{
    if (!window)
        return;
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QWindow *native = window->windowHandle();
    if (native && native->startSystemMove())
        return;
    new PointerFollower(window);
}

// The window manager would start from the pointer's last reported place and
// lose the travel since the press, so the window follows the pointer itself.
void QtWindowMover::ContinueMove(QWidget *window, const QPoint &pressPointer)
{
    if (!window)
        return;
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    new PointerFollower(window, pressPointer);
}
