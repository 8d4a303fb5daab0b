#include "platform/x11/X11WindowPlace.h"

#include "platform/x11/OwnPlacedWindows.h"
#include "platform/x11/X11Connection.h"

#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// _NET_MOVERESIZE_WINDOW's flags besides the gravity: the place and size
// given, asked by an application.
constexpr uint32_t xGiven = 1U << 8;
constexpr uint32_t yGiven = 1U << 9;
constexpr uint32_t widthGiven = 1U << 10;
constexpr uint32_t heightGiven = 1U << 11;
constexpr uint32_t fromApplication = 1U << 12;

// WM_NORMAL_HINTS' flags, and the gravity Qt gives a window whose place the
// program names: the place is the window's own, whatever frame it has.
constexpr uint32_t userPlace = 1, userSize = 2, leastSize = 16, greatestSize = 32;
constexpr uint32_t gravityGiven = 512;
constexpr uint32_t staticGravity = 10;

// A property's value on a window, empty where there is none.
std::string propertyOf(X11Connection &x11, xcb_window_t window, const char *name, xcb_atom_t type)
{
    xcb_connection_t *connection = x11.get();
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, x11.atom(name), type, 0, 4096),
        nullptr);
    if (!reply)
        return {};
    const std::string value(static_cast<const char *>(xcb_get_property_value(reply)),
                            size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return value;
}

// The window's id as the windowing system has it now: Qt may have made the
// window anew since the widget's winId() was first asked, and that keeps the
// first id.
xcb_window_t nativeWindow(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return xcb_window_t(handle ? handle->winId() : window->winId());
}

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
    notice.event = notice.window = nativeWindow(window);
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

QPoint X11WindowPlace::placeOf(const QWidget *window)
{
    X11Connection *x11 = X11Connection::ofQt();
    if (!x11 || !window->windowHandle())
        return window->geometry().topLeft();
    xcb_connection_t *connection = x11->get();
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, nativeWindow(window), x11->root(), 0, 0),
        nullptr);
    if (!reply)
        return window->geometry().topLeft();
    const QPoint place(reply->dst_x, reply->dst_y);
    std::free(reply);
    if (place != window->geometry().topLeft() && window->isVisible())
        tellQt(*x11, window, place);
    return place;
}

void X11WindowPlace::moveTo(QWidget *window, const QPoint &place)
{
    X11Connection *x11 = X11Connection::ofQt();
    if (!x11) {
        window->move(place);
        return;
    }
    const uint32_t values[] = {uint32_t(place.x()), uint32_t(place.y())};
    xcb_configure_window(x11->get(), nativeWindow(window),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(x11->get());
}

// KWin pushes a window grown past the screen's edge back after a plain
// ConfigureRequest, but keeps its place when the size comes through
// _NET_MOVERESIZE_WINDOW. openbox keeps it only when the size hints already
// fix the window at the size asked and name its place, as Qt's own resize
// writes them first. Qt's event loop sends the request with whatever else it
// sends.
void X11WindowPlace::askSize(QWidget *window, const QSize &size)
{
    X11Connection *x11 = X11Connection::ofQt();
    if (!x11) {
        window->resize(size);
        return;
    }
    const auto id = nativeWindow(window);
    const QPoint place = window->geometry().topLeft();
    // WM_NORMAL_HINTS: flags, place, size, least and greatest size, gravity.
    uint32_t hints[18] = {userPlace | userSize | leastSize | greatestSize | gravityGiven};
    const uint32_t width = uint32_t(size.width()), height = uint32_t(size.height());
    hints[1] = uint32_t(place.x());
    hints[2] = uint32_t(place.y());
    hints[3] = hints[5] = hints[7] = width;
    hints[4] = hints[6] = hints[8] = height;
    hints[17] = staticGravity;
    xcb_change_property(x11->get(), XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
    if (managerResizesInPlace(*x11)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = x11->atom("_NET_MOVERESIZE_WINDOW");
        message.data.data32[0] =
            staticGravity | xGiven | yGiven | widthGiven | heightGiven | fromApplication;
        message.data.data32[1] = uint32_t(place.x());
        message.data.data32[2] = uint32_t(place.y());
        message.data.data32[3] = uint32_t(size.width());
        message.data.data32[4] = uint32_t(size.height());
        xcb_send_event(x11->get(), 0, x11->root(),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    } else {
        const uint32_t values[] = {uint32_t(place.x()), uint32_t(place.y()), uint32_t(size.width()),
                                   uint32_t(size.height())};
        xcb_configure_window(x11->get(), id,
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                                 XCB_CONFIG_WINDOW_HEIGHT,
                             values);
    }
}

void X11WindowPlace::placedAlone(QWidget *window)
{
    if (X11Connection::ofQt())
        OwnPlacedWindows::add(window);
}

bool X11WindowPlace::managerResizesInPlace(X11Connection &x11)
{
    if (resizesInPlace >= 0)
        return resizesInPlace;
    x11.intern({"_NET_SUPPORTED", "_NET_MOVERESIZE_WINDOW"});
    const std::string supported = propertyOf(x11, x11.root(), "_NET_SUPPORTED", XCB_ATOM_ATOM);
    const xcb_atom_t wanted = x11.atom("_NET_MOVERESIZE_WINDOW");
    bool listed = false;
    for (size_t at = 0; at + sizeof(xcb_atom_t) <= supported.size(); at += sizeof(xcb_atom_t)) {
        xcb_atom_t atom;
        std::memcpy(&atom, supported.data() + at, sizeof atom);
        listed = listed || atom == wanted;
    }
    resizesInPlace = listed;
    return resizesInPlace;
}
