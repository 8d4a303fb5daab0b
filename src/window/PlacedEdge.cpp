#include "window/PlacedEdge.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Where the window stands on the screen. Qt may not have heard of the window
// manager's place yet when the window is first exposed; the X server knows it.
QPoint placeOf(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return window->pos();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, xcb_window_t(window->winId()), root, 0, 0), nullptr);
    if (!reply)
        return window->pos();
    const QPoint place(reply->dst_x, reply->dst_y);
    free(reply);
    return place;
}

// Asks the X server straight away: Qt may still believe the window stands
// where it asked to be put, and would not ask again.
void moveTo(QWidget *window, const QPoint &place)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection) {
        window->move(place);
        return;
    }
    const quint32 values[] = {quint32(place.x()), quint32(place.y())};
    xcb_configure_window(connection, xcb_window_t(window->winId()),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(connection);
}

} // namespace

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
    const QPoint place = placeOf(window);
    const QPoint wanted(left.value_or(place.x()), top.value_or(place.y()));
    if (wanted != place)
        moveTo(window, wanted);
}
