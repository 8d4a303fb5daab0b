#include "platform/x11/X11WindowPlace.h"

#include "platform/x11/X11Connection.h"

#include <QWidget>
#include <cstdlib>

namespace {

// _NET_MOVERESIZE_WINDOW's flags: the corner kept, the size given, asked by
// an application.
constexpr uint32_t northWestGravity = 1;
constexpr uint32_t widthGiven = 1U << 10;
constexpr uint32_t heightGiven = 1U << 11;
constexpr uint32_t fromApplication = 1U << 12;

} // namespace

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

// KWin pushes a window grown past the screen's edge back after a plain
// ConfigureRequest, but keeps its place when the size comes through
// _NET_MOVERESIZE_WINDOW; openbox, xfwm4 and i3 keep it either way. Qt's
// event loop sends the request with whatever else it sends.
void X11WindowPlace::AskSize(QWidget *window, const QSize &size)
{
    X11Connection *x11 = X11Connection::OfQt();
    if (!x11) {
        window->resize(size);
        return;
    }
    const auto id = xcb_window_t(window->winId());
    if (managerResizesInPlace(*x11)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = x11->Atom("_NET_MOVERESIZE_WINDOW");
        message.data.data32[0] = northWestGravity | widthGiven | heightGiven | fromApplication;
        message.data.data32[3] = uint32_t(size.width());
        message.data.data32[4] = uint32_t(size.height());
        xcb_send_event(x11->get(), 0, x11->Root(),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    } else {
        const uint32_t values[] = {uint32_t(size.width()), uint32_t(size.height())};
        xcb_configure_window(x11->get(), id, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                             values);
    }
}

bool X11WindowPlace::managerResizesInPlace(X11Connection &x11)
{
    if (resizesInPlace >= 0)
        return resizesInPlace;
    resizesInPlace = 0;
    x11.Intern({"_NET_SUPPORTED", "_NET_MOVERESIZE_WINDOW"});
    xcb_connection_t *connection = x11.get();
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, x11.Root(),
                                                x11.Atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
                               nullptr);
    if (!reply)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == x11.Atom("_NET_MOVERESIZE_WINDOW"))
            resizesInPlace = 1;
    }
    std::free(reply);
    return resizesInPlace;
}
