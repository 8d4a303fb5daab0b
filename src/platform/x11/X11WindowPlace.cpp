#include "platform/x11/X11WindowPlace.h"

#include "platform/x11/X11Connection.h"

#include <QWidget>
#include <cstdlib>

QPoint X11WindowPlace::PlaceOf(const QWidget *window)
{
    X11Connection *x11 = X11Connection::OfQt();
    if (!x11)
        return window->pos();
    xcb_connection_t *connection = x11->get();
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, xcb_window_t(window->winId()), x11->Root(), 0, 0),
        nullptr);
    if (!reply)
        return window->pos();
    const QPoint place(reply->dst_x, reply->dst_y);
    std::free(reply);
    return place;
}

void X11WindowPlace::MoveTo(QWidget *window, const QPoint &place)
{
    X11Connection *x11 = X11Connection::OfQt();
    if (!x11) {
        window->move(place);
        return;
    }
    const uint32_t values[] = {uint32_t(place.x()), uint32_t(place.y())};
    xcb_configure_window(x11->get(), xcb_window_t(window->winId()),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(x11->get());
}
