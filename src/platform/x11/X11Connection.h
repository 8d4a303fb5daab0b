#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>
#include <xcb/xcb.h>

// A connection to the X server, Qt's own or one of the program's, with the
// atoms interned on it: each name is asked of the server once on a
// connection and kept for its life. Every X11 call of the program goes
// through one of these.
class X11Connection
{
public:
    // Qt's own connection; null where Qt does not run on xcb.
    static X11Connection *ofQt();
    // A connection of its own to the display DISPLAY names, for a process
    // or a question that must not share Qt's; null when the display cannot
    // be reached.
    static std::unique_ptr<X11Connection> open();
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    xcb_connection_t *get() const { return connection; }
    // The screen the display names (the first one on Qt's connection).
    xcb_screen_t *screen() const;
    xcb_window_t root() const;

    // XCB_ATOM_NONE while the server does not answer.
    xcb_atom_t atom(const char *name);
    // The names not yet known are asked for together and waited for once.
    void intern(const std::vector<const char *> &names);

private:
    X11Connection(xcb_connection_t *connection, int screenNumber, bool own);

    xcb_connection_t *connection;
    int screenNumber;
    bool own;
    std::map<std::string, xcb_atom_t> atoms;
};
