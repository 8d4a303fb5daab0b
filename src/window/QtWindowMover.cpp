#include "window/QtWindowMover.h"

#include "window/PointerFollower.h"

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
