#include "platform/x11/ManagerHandOver.h"

#include "platform/x11/HeldSelection.h"
#include "platform/x11/X11Connection.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cstdlib>
#include <poll.h>

namespace {

// A manager that takes longer than this is not waited for: the holder keeps
// the text instead.
constexpr int answerMilliseconds = 3000;
// Once the manager has the text, the end waits only while it goes on asking.
constexpr int quietMilliseconds = 250;

xcb_window_t managerWindow(X11Connection &x11)
{
    xcb_connection_t *connection = x11.get();
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, x11.atom("CLIPBOARD_MANAGER")), nullptr);
    const xcb_window_t window = owner ? owner->owner : xcb_window_t(XCB_NONE);
    free(owner);
    return window;
}

// Windows of one client share the bits of their ids outside the server's
// resource mask.
bool sameClient(xcb_connection_t *connection, xcb_window_t one, xcb_window_t other)
{
    const uint32_t mask = xcb_get_setup(connection)->resource_id_mask;
    return (one & ~mask) == (other & ~mask);
}

xcb_generic_event_t *nextEvent(xcb_connection_t *connection, const QDeadlineTimer &deadline)
{
    while (!xcb_connection_has_error(connection) && !deadline.hasExpired()) {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            return event;
        pollfd ready = {xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&ready, 1, int(deadline.remainingTime()));
    }
    return nullptr;
}

} // namespace

bool ManagerHandOver::handOver(const QByteArray &utf8)
{
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    if (!x11)
        return false;
    x11->intern({"CLIPBOARD_MANAGER", "SAVE_TARGETS", "UTF8_STRING"});
    const xcb_window_t manager = managerWindow(*x11);
    if (manager == XCB_NONE)
        return false;
    HeldSelection selection(*x11, utf8);
    if (!selection.own())
        return false;

    xcb_connection_t *connection = x11->get();
    const xcb_atom_t managerSelection = x11->atom("CLIPBOARD_MANAGER");
    const xcb_atom_t saveTargets = x11->atom("SAVE_TARGETS");
    xcb_convert_selection(connection, selection.window, managerSelection, saveTargets, saveTargets,
                          XCB_CURRENT_TIME);
    xcb_flush(connection);
    // Some managers (xfce4-clipman's) never answer SAVE_TARGETS: they fetch
    // the text whenever the clipboard changes hands and put it back once its
    // owner has gone. The text fetched by the manager's own client counts as
    // taken.
    const QDeadlineTimer deadline(answerMilliseconds);
    bool fetched = false;
    QDeadlineTimer quiet = deadline;
    while (xcb_generic_event_t *event = nextEvent(connection, std::min(deadline, quiet))) {
        const uint8_t type = event->response_type & 0x7f;
        const auto *notify = reinterpret_cast<xcb_selection_notify_event_t *>(event);
        const auto *request = reinterpret_cast<xcb_selection_request_event_t *>(event);
        const bool answered = type == XCB_SELECTION_NOTIFY && notify->selection == managerSelection;
        const bool kept = answered && notify->property != XCB_NONE;
        if (type == XCB_SELECTION_REQUEST) {
            selection.answer(*request);
            if (sameClient(connection, request->requestor, manager) &&
                request->target == x11->atom("UTF8_STRING")) {
                fetched = true;
                quiet = QDeadlineTimer(quietMilliseconds);
            }
        }
        free(event);
        if (answered)
            return kept;
        // Another copy took the clipboard: the text is no longer the program's to keep.
        if (type == XCB_SELECTION_CLEAR)
            return true;
    }
    return fetched;
}
