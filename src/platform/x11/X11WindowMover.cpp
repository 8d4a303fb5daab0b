#include "platform/x11/X11WindowMover.h"

#include "platform/PointerFollower.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowPlace.h"

#include <QCursor>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t moveByKeyboardOrPointer = 8; // _NET_WM_MOVERESIZE_MOVE
constexpr uint32_t fromAnApplication = 1;

bool windowManagerRunsMoves(X11Connection &x11)
{
    const xcb_atom_t supported = x11.atom("_NET_SUPPORTED");
    const xcb_atom_t moveResize = x11.atom("_NET_WM_MOVERESIZE");
    if (supported == XCB_ATOM_NONE || moveResize == XCB_ATOM_NONE)
        return false;
    xcb_connection_t *connection = x11.get();
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, x11.root(), supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr);
    if (!reply)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
    const bool listed = std::find(atoms, atoms + count, moveResize) != atoms + count;
    std::free(reply);
    return listed;
}

// The window manager's move takes the release: Qt, which never hears of it,
// would go on taking the button for held, route every move to the surface
// pressed, drop the pointer's entries and leaves, and take the next press for
// none. It hears of the release now instead, as the program's own event.
void releaseForQt(X11Connection &x11, QWidget *window)
{
    const QPoint pointer = QCursor::pos();
    const QPoint local = window->mapFromGlobal(pointer);
    xcb_button_release_event_t release = {};
    release.response_type = XCB_BUTTON_RELEASE;
    release.detail = XCB_BUTTON_INDEX_1;
    release.root = x11.root();
    release.event = xcb_window_t(window->winId());
    release.root_x = int16_t(pointer.x());
    release.root_y = int16_t(pointer.y());
    release.event_x = int16_t(local.x());
    release.event_y = int16_t(local.y());
    release.state = XCB_BUTTON_MASK_1;
    release.same_screen = 1;
    xcb_send_event(x11.get(), 0, release.event, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&release));
}

// The press point, not the pointer's place now, anchors the move: the window
// manager moves the window by the pointer's travel from there, the travel
// before it took over included.
void askWindowManager(X11Connection &x11, QWidget *window, const QPoint &pressPointer)
{
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = x11.atom("_NET_WM_MOVERESIZE");
    message.data.data32[0] = uint32_t(pressPointer.x());
    message.data.data32[1] = uint32_t(pressPointer.y());
    message.data.data32[2] = moveByKeyboardOrPointer;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = fromAnApplication;
    // The window manager cannot take the pointer while the press holds it
    // for the program.
    xcb_ungrab_pointer(x11.get(), XCB_CURRENT_TIME);
    xcb_send_event(x11.get(), 0, x11.root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    releaseForQt(x11, window);
    xcb_flush(x11.get());
}

// A window manager that runs the move holds the pointer; the button still
// held with the pointer free, it has not taken the move (headless mutter,
// whose moves follow only a seat of its own).
bool declinedMove(X11Connection &x11)
{
    xcb_connection_t *connection = x11.get();
    xcb_query_pointer_reply_t *pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, x11.root()), nullptr);
    const bool held = pointer && (pointer->mask & XCB_BUTTON_MASK_1);
    std::free(pointer);
    if (!held)
        return false;
    xcb_grab_pointer_reply_t *grab = xcb_grab_pointer_reply(
        connection,
        xcb_grab_pointer(connection, 0, x11.root(), XCB_EVENT_MASK_NO_EVENT, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool free = grab && grab->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(grab);
    if (free)
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    return free;
}

// Hands the move to the window manager where one runs moves, and returns the
// connection it was asked on; elsewhere the window follows the pointer itself.
X11Connection *handOver(QWidget *window, const QPoint &pressPointer, const QPoint &place)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    X11Connection *x11 = X11Connection::ofQt();
    if (x11 && window->windowHandle() && windowManagerRunsMoves(*x11)) {
        askWindowManager(*x11, window, pressPointer);
        return x11;
    }
    new PointerFollower(window, pressPointer, place);
    return nullptr;
}

} // namespace

// Qt's own startSystemMove anchors the move where Qt last saw the pointer:
// on a loaded machine that is already some way into the drag, and the window
// would trail the pointer by that travel.
void X11WindowMover::startMove(QWidget *window, const QPoint &pressPointer)
{
    if (window)
        handOver(window, pressPointer, X11WindowPlace().placeOf(window));
}

void X11WindowMover::continueMove(QWidget *window, const QPoint &pressPointer)
{
    if (!window)
        return;
    const QPoint place = X11WindowPlace().placeOf(window);
    if (X11Connection *x11 = handOver(window, pressPointer, place))
        PointerFollower::standBy(window, pressPointer, place, [x11] { return declinedMove(*x11); });
}
