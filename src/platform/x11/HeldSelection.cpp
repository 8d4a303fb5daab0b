#include "platform/x11/HeldSelection.h"

#include "platform/x11/X11Connection.h"

#include <QString>
#include <cstdlib>
#include <vector>

namespace {

const char *const atomNames[] = {
    "CLIPBOARD",   "TARGETS", "MULTIPLE",   "TIMESTAMP",    "ATOM_PAIR",
    "UTF8_STRING", "TEXT",    "text/plain", "SAVE_TARGETS",
};

} // namespace

void HeldSelection::holdUntilTaken(const QByteArray &utf8)
{
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    // Larger than one request would need the incremental transfer, which a
    // copy of the program's own never does.
    const bool fits = x11 && !utf8.isEmpty() &&
                      utf8.size() < qsizetype(xcb_get_maximum_request_length(x11->get())) * 4 - 64;
    if (!fits)
        return;
    HeldSelection selection(*x11, utf8);
    if (selection.own())
        selection.serve();
}

// The atoms are asked for together and waited for once.
HeldSelection::HeldSelection(X11Connection &x11, const QByteArray &utf8)
    : x11(x11), connection(x11.get()), utf8(utf8), latin1(QString::fromUtf8(utf8).toLatin1())
{
    static_assert(std::size(atomNames) == NameCount);
    x11.intern({std::begin(atomNames), std::end(atomNames)});
    for (int name = 0; name < NameCount; ++name)
        atoms[name] = x11.atom(atomNames[name]);
}

bool HeldSelection::own()
{
    window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, x11.root(), 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    ownedSince = serverTime();
    xcb_set_selection_owner(connection, window, atoms[Clipboard], ownedSince);
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atoms[Clipboard]), nullptr);
    const bool owned = owner && owner->owner == window;
    free(owner);
    return owned;
}

// An owner names the server time it took the selection at, which TIMESTAMP
// then tells. An empty append to a property of its own window brings the
// server's time back in the change's notification.
xcb_timestamp_t HeldSelection::serverTime()
{
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, atoms[Timestamp],
                        XCB_ATOM_INTEGER, 32, 0, nullptr);
    xcb_flush(connection);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool changed = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t time =
            changed ? reinterpret_cast<xcb_property_notify_event_t *>(event)->time : 0;
        free(event);
        if (changed)
            return time;
    }
    return XCB_CURRENT_TIME;
}

void HeldSelection::serve()
{
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST)
            answer(*reinterpret_cast<xcb_selection_request_event_t *>(event));
        free(event);
        if (type == XCB_SELECTION_CLEAR)
            return;
    }
}

// Writes the target's form of the text into the requestor's property;
// false for a target the holder does not offer.
bool HeldSelection::put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target)
{
    if (target == atoms[Targets]) {
        // Qt's own list, in its order. SAVE_TARGETS is listed and refused,
        // as Qt does; text/plain;charset=utf-8 is not offered, so a GTK
        // program takes UTF8_STRING from the holder as from the program.
        const xcb_atom_t offered[] = {atoms[TextPlain], atoms[Utf8String], XCB_ATOM_STRING,
                                      atoms[Text],      atoms[Targets],    atoms[Multiple],
                                      atoms[Timestamp], atoms[SaveTargets]};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM,
                            32, uint32_t(std::size(offered)), offered);
    } else if (target == atoms[Timestamp]) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                            XCB_ATOM_INTEGER, 32, 1, &ownedSince);
    } else if (target == atoms[Utf8String] || target == atoms[TextPlain]) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, target, 8,
                            uint32_t(utf8.size()), utf8.constData());
    } else if (target == XCB_ATOM_STRING || target == atoms[Text]) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, target, 8,
                            uint32_t(latin1.size()), latin1.constData());
    } else {
        return false;
    }
    return true;
}

// MULTIPLE: the requestor's property holds pairs of a target and a property
// to put it in. Each pair is answered on its own; a pair that cannot be has
// its property replaced by None in the list, which goes back in its place.
bool HeldSelection::putEach(xcb_window_t requestor, xcb_atom_t pairsProperty)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, requestor, pairsProperty,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 0x10000),
                               nullptr);
    if (!reply || reply->format != 32) {
        free(reply);
        return false;
    }
    const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    std::vector<xcb_atom_t> pairs(values, values + xcb_get_property_value_length(reply) / 4);
    const xcb_atom_t pairsType = reply->type;
    free(reply);
    pairs.resize(pairs.size() / 2 * 2);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        const xcb_atom_t target = pairs[i];
        if (target == atoms[Multiple] || pairs[i + 1] == XCB_NONE ||
            !put(requestor, pairs[i + 1], target))
            pairs[i + 1] = XCB_NONE;
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, pairsProperty, pairsType, 32,
                        uint32_t(pairs.size()), pairs.data());
    return true;
}

void HeldSelection::answer(const xcb_selection_request_event_t &request)
{
    // A requestor of the old kind names no property: the target is the
    // property. MULTIPLE has no such form.
    const bool each = request.target == atoms[Multiple];
    const xcb_atom_t property = request.property ? request.property : request.target;
    bool done = false;
    if (each)
        done = request.property != XCB_NONE && putEach(request.requestor, request.property);
    else
        done = put(request.requestor, property, request.target);
    xcb_selection_notify_event_t notify = {};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = done ? property : xcb_atom_t(XCB_NONE);
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&notify));
    xcb_flush(connection);
}
