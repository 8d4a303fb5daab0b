#pragma once

#include <QByteArray>
#include <xcb/xcb.h>

class X11Connection;

// One text served on the CLIPBOARD selection of one connection, the way the
// running program's clipboard (Qt's) serves it, target for target and byte
// for byte: as text/plain and UTF8_STRING, STRING and TEXT in Latin-1, with
// the TARGETS, MULTIPLE and TIMESTAMP every owner must answer.
class HeldSelection
{
public:
    // The holder's whole work: on a connection of its own, until another
    // client owns the selection or the server goes away. Nothing is held
    // when there is no display, no text, or more than one request carries.
    static void holdUntilTaken(const QByteArray &utf8);

    HeldSelection(X11Connection &x11, const QByteArray &utf8);

    // Fails when another client took the selection at once.
    bool own();
    // Until another client owns the selection or the server goes away.
    void serve();

private:
    // It serves the manager's requests with the same answers.
    friend class ManagerHandOver;

    enum Name {
        Clipboard,
        Targets,
        Multiple,
        Timestamp,
        AtomPair,
        Utf8String,
        Text,
        TextPlain,
        SaveTargets,
        NameCount
    };

    xcb_timestamp_t serverTime();
    void answer(const xcb_selection_request_event_t &request);
    bool put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target);
    bool putEach(xcb_window_t requestor, xcb_atom_t pairsProperty);

    X11Connection &x11;
    xcb_connection_t *connection;
    const QByteArray utf8;
    const QByteArray latin1;
    xcb_atom_t atoms[NameCount] = {};
    xcb_window_t window = XCB_NONE;
    xcb_timestamp_t ownedSince = XCB_CURRENT_TIME;
};
