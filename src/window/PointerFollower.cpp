#include "window/PointerFollower.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

PointerFollower::PointerFollower(QWidget *window)
    : QObject(window), window(window), pressPointer(QCursor::pos()), pressWindow(window->pos())
{
    window->installEventFilter(this);
    window->grabMouse();
}

bool PointerFollower::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        window->move(pressWindow + QCursor::pos() - pressPointer);
        return true;
    case QEvent::MouseButtonRelease:
        window->releaseMouse();
        window->removeEventFilter(this);
        deleteLater();
        return false;
    default:
        return false;
    }
}
