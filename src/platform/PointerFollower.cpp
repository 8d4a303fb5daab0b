#include "platform/PointerFollower.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Longer than a window manager takes to grab the pointer on a loaded machine.
constexpr qint64 windowManagerTakesOverMs = 250;

} // namespace

PointerFollower::PointerFollower(QWidget *window, const QPoint &pressPointer,
                                 const QPoint &windowAtPress)
    : PointerFollower(window, pressPointer, windowAtPress, false)
{
    startFollowing();
}

PointerFollower::PointerFollower(QWidget *window, const QPoint &pressPointer,
                                 const QPoint &windowAtPress, bool)
    : QObject(window), window(window), pressPointer(pressPointer), pressWindow(windowAtPress)
{
    window->installEventFilter(this);
}

void PointerFollower::standBy(QWidget *window, const QPoint &pressPointer,
                              const QPoint &windowAtPress, std::function<bool()> declined)
{
    auto *follower = new PointerFollower(window, pressPointer, windowAtPress, true);
    follower->standingBy.start();
    QTimer::singleShot(windowManagerTakesOverMs, follower, [follower, declined] {
        if (follower->standingBy.isValid() && declined())
            follower->startFollowing();
    });
}

void PointerFollower::startFollowing()
{
    standingBy.invalidate();
    window->grabMouse();
    follow();
}

void PointerFollower::follow()
{
    window->move(pressWindow + QCursor::pos() - pressPointer);
}

void PointerFollower::end()
{
    if (!standingBy.isValid())
        window->releaseMouse();
    window->removeEventFilter(this);
    deleteLater();
}

bool PointerFollower::eventFilter(QObject *, QEvent *event)
{
    const bool held = event->type() == QEvent::MouseMove &&
                      static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
    if (standingBy.isValid()) {
        if (held && standingBy.elapsed() >= windowManagerTakesOverMs)
            startFollowing();
        else if (!held &&
                 (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress ||
                  event->type() == QEvent::MouseButtonRelease))
            end(); // the window manager's move is over
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        follow();
        return true;
    case QEvent::MouseButtonRelease:
        end();
        return false;
    default:
        return false;
    }
}
