#include "platform/PointerFollower.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

PointerFollower::PointerFollower(QWidget *window) : PointerFollower(window, QCursor::pos()) {}

PointerFollower::PointerFollower(QWidget *window, const QPoint &pressPointer)
    : QObject(window), window(window), pressPointer(pressPointer), pressWindow(window->pos())
{
    window->installEventFilter(this);
    window->grabMouse();
    follow();
}

void PointerFollower::follow()
{
    window->move(pressWindow + QCursor::pos() - pressPointer);
}

bool PointerFollower::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        follow();
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
