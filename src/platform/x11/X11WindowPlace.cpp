#include "platform/x11/X11WindowPlace.h"

#include "platform/x11/X11Connection.h"

#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace {

// A window manager that refuses or corrects a move should say so with a
// ConfigureNotify of the place the window keeps; mutter, KWin and weston
// send none when the window stays where it was, and Qt goes on believing
// the place it asked for. The notice they leave out is sent to the window
// itself, through the server, and Qt takes the place from it as from the
// window manager's.
void tellQt(X11Connection &x11, const QWidget *window, const QPoint &place)
{
    xcb_configure_notify_event_t notice = {};
    notice.response_type = XCB_CONFIGURE_NOTIFY;
    notice.event = notice.window = xcb_window_t(window->winId());
    notice.x = int16_t(place.x());
    notice.y = int16_t(place.y());
    notice.width = uint16_t(window->width());
    notice.height = uint16_t(window->height());
    char event[32] = {};
    std::memcpy(event, &notice, sizeof notice);
    xcb_send_event(x11.get(), 0, notice.window, XCB_EVENT_MASK_STRUCTURE_NOTIFY, event);
    xcb_flush(x11.get());
}

} // namespace

QPoint X11WindowPlace::PlaceOf(const QWidget *window)
{
    X11Connection *x11 = X11Connection::OfQt();
    if (!x11 || !window->windowHandle())
        return window->geometry().topLeft();
    xcb_connection_t *connection = x11->get();
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, xcb_window_t(window->winId()), x11->Root(), 0, 0),
        nullptr);
    if (!reply)
        return window->geometry().topLeft();
    const QPoint place(reply->dst_x, reply->dst_y);
    std::free(reply);
    if (place != window->geometry().topLeft() && window->isVisible())
        tellQt(*x11, window, place);
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
