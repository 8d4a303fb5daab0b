#include "platform/x11/ManagerHandOver.h"

#include "platform/x11/HeldSelection.h"
#include "platform/x11/X11Connection.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <poll.h>

namespace {

// A manager that takes longer than this is not waited for: the holder keeps
// the text instead.
constexpr int answerMilliseconds = 3000;

bool managerRuns(X11Connection &x11)
{
    xcb_connection_t *connection = x11.get();
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, x11.Atom("CLIPBOARD_MANAGER")), nullptr);
    const bool runs = owner && owner->owner != XCB_NONE;
    free(owner);
    return runs;
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

bool ManagerHandOver::Hand(const QByteArray &utf8)
{
    const std::unique_ptr<X11Connection> x11 = X11Connection::Open();
    if (!x11)
        return false;
    x11->Intern({"CLIPBOARD_MANAGER", "SAVE_TARGETS"});
    const xcb_atom_t manager = x11->Atom("CLIPBOARD_MANAGER");
    const xcb_atom_t saveTargets = x11->Atom("SAVE_TARGETS");
    if (!managerRuns(*x11))
        return false;
    HeldSelection selection(*x11, utf8);
    if (!selection.Own())
        return false;

    xcb_connection_t *connection = x11->get();
    xcb_convert_selection(connection, selection.window, manager, saveTargets, saveTargets,
                          XCB_CURRENT_TIME);
    xcb_flush(connection);
    const QDeadlineTimer deadline(answerMilliseconds);
    while (xcb_generic_event_t *event = nextEvent(connection, deadline)) {
        const uint8_t type = event->response_type & 0x7f;
        const auto *notify = reinterpret_cast<xcb_selection_notify_event_t *>(event);
        const bool answered = type == XCB_SELECTION_NOTIFY && notify->selection == manager;
        const bool kept = answered && notify->property != XCB_NONE;
        if (type == XCB_SELECTION_REQUEST)
            selection.answer(*reinterpret_cast<xcb_selection_request_event_t *>(event));
        free(event);
        if (answered)
            return kept;
        // Another copy took the clipboard: the text is no longer the program's to keep.
        if (type == XCB_SELECTION_CLEAR)
            return true;
    }
    return false;
}

bool ManagerHandOver::ManagerRuns()
{
    const std::unique_ptr<X11Connection> x11 = X11Connection::Open();
    return x11 && managerRuns(*x11);
}
