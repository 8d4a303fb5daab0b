#include "window/PlacedEdge.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

void PlacedEdge::apply(QWidget *window, std::optional<int> left, std::optional<int> top,
                       const QWidget *clearOf)
{
    if (left || top)
        clearOf = nullptr;
    if (left && top)
        window->move(*left, *top);
    if (window->isVisible()) {
        if (left.has_value() != top.has_value() || clearOf)
            PlacedEdge(window, left, top, clearOf).applyNow();
    } else if (left || top || clearOf) {
        new PlacedEdge(window, left, top, clearOf);
    }
}

PlacedEdge::PlacedEdge(QWidget *window, std::optional<int> left, std::optional<int> top,
                       const QWidget *clearOf)
    : QObject(window), window(window), left(left), top(top), clearOf(clearOf)
{
    window->installEventFilter(this);
}

std::optional<QPoint> PlacedEdge::beside(const QRect &window, const QRect &obstacle,
                                         const QRect &screen)
{
    if (!window.intersects(obstacle))
        return std::nullopt;
    const auto within = [](int at, int low, int high) {
        return std::clamp(at, low, std::max(low, high));
    };
    const int x = within(window.x(), screen.left(), screen.right() + 1 - window.width());
    const int y = within(window.y(), screen.top(), screen.bottom() + 1 - window.height());
    const QPoint sides[] = {{x, obstacle.bottom() + 1},
                            {x, obstacle.top() - window.height()},
                            {obstacle.right() + 1, y},
                            {obstacle.left() - window.width(), y}};
    std::optional<QPoint> nearest;
    for (const QPoint &side : sides) {
        if (screen.contains(QRect(side, window.size())) &&
            (!nearest || (side - window.topLeft()).manhattanLength() <
                             (*nearest - window.topLeft()).manhattanLength()))
            nearest = side;
    }
    return nearest;
}

void PlacedEdge::moveClear()
{
    if (!clearOf)
        return;
    WindowPlace &windowPlace = *platform().windowPlace;
    const QRect obstacle(windowPlace.placeOf(clearOf), clearOf->size());
    const QScreen *screen = QGuiApplication::screenAt(obstacle.center());
    if (!screen)
        screen = clearOf->screen();
    const std::optional<QPoint> clear = beside(QRect(windowPlace.placeOf(window), window->size()),
                                               obstacle, screen->availableGeometry());
    if (clear)
        windowPlace.moveTo(window, *clear);
}

// Most window managers' place reaches the window before its first exposure.
bool PlacedEdge::eventFilter(QObject *watched, QEvent *event)
{
    if (!settling && watched == window && event->type() == QEvent::Show && window->windowHandle()) {
        window->removeEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    } else if (watched != window && event->type() == QEvent::Expose &&
               static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        applyNow();
        settle();
    } else if (settling && event->type() == QEvent::Move &&
               QGuiApplication::mouseButtons() == Qt::NoButton) {
        moveClear();
    }
    return false;
}

// KWin puts a new window in its place only just after the window's first
// exposure, sometimes one edge at a time, so a window kept clear of another is
// checked again whenever it moves in the moment that follows, unless the user
// is moving it.
void PlacedEdge::settle()
{
    if (clearOf) {
        settling = true;
        window->installEventFilter(this);
        QTimer::singleShot(settleTime, this, &QObject::deleteLater);
    } else {
        deleteLater();
    }
}

void PlacedEdge::applyNow()
{
    if (clearOf) {
        moveClear();
        return;
    }
    if (!left && !top)
        return;
    WindowPlace &windowPlace = *platform().windowPlace;
    const QPoint place = windowPlace.placeOf(window);
    const QPoint wanted(left.value_or(place.x()), top.value_or(place.y()));
    if (wanted != place)
        windowPlace.moveTo(window, wanted);
}
