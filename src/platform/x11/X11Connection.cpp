#include "platform/x11/X11Connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

X11Connection::X11Connection(xcb_connection_t *connection, int screenNumber, bool own)
    : connection(connection), screenNumber(screenNumber), own(own)
{
}

X11Connection::~X11Connection()
{
    if (own)
        xcb_disconnect(connection);
}

X11Connection *X11Connection::ofQt()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *qts = x11 ? x11->connection() : nullptr;
    static std::unique_ptr<X11Connection> wrapped;
    if (!qts)
        return nullptr;
    if (!wrapped || wrapped->connection != qts)
        wrapped.reset(new X11Connection(qts, 0, false));
    return wrapped.get();
}

std::unique_ptr<X11Connection> X11Connection::open()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11Connection>(new X11Connection(connection, screenNumber, true));
}

xcb_screen_t *X11Connection::screen() const
{
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    return screens.rem ? screens.data : nullptr;
}

xcb_window_t X11Connection::root() const
{
    const xcb_screen_t *named = screen();
    return named ? named->root : xcb_window_t(XCB_NONE);
}

xcb_atom_t X11Connection::atom(const char *name)
{
    auto known = atoms.find(name);
    if (known == atoms.end()) {
        intern({name});
        known = atoms.find(name);
    }
    return known != atoms.end() ? known->second : xcb_atom_t(XCB_ATOM_NONE);
}

void X11Connection::intern(const std::vector<const char *> &names)
{
    std::vector<std::pair<const char *, xcb_intern_atom_cookie_t>> asked;
    for (const char *name : names) {
        if (atoms.count(name) == 0)
            asked.emplace_back(name,
                               xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name));
    }
    for (const auto &[name, cookie] : asked) {
        // A name the server did not answer for is asked for again next time.
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        if (reply)
            atoms[name] = reply->atom;
        std::free(reply);
    }
}
