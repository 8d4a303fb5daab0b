#include "window/PlacedEdge.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

void PlacedEdge::Apply(QWidget *window, std::optional<int> left, std::optional<int> top)
{
    if (left && top)
        window->move(*left, *top);
    if (window->isVisible()) {
        if (left.has_value() != top.has_value())
            PlacedEdge(window, left, top).applyNow();
    } else if (left || top) {
        new PlacedEdge(window, left, top);
    }
}

PlacedEdge::PlacedEdge(QWidget *window, std::optional<int> left, std::optional<int> top)
    : QObject(window), window(window), left(left), top(top)
{
    window->installEventFilter(this);
}

// The window manager's place reaches the window before its first exposure.
bool PlacedEdge::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && event->type() == QEvent::Show && window->windowHandle()) {
        window->removeEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    } else if (watched != window && event->type() == QEvent::Expose &&
               static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        applyNow();
        deleteLater();
    }
    return false;
}

void PlacedEdge::applyNow()
{
    WindowPlace &windowPlace = *platform().windowPlace;
    const QPoint place = windowPlace.PlaceOf(window);
    const QPoint wanted(left.value_or(place.x()), top.value_or(place.y()));
    if (wanted != place)
        windowPlace.MoveTo(window, wanted);
}
