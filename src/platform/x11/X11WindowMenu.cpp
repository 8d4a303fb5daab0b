#include "platform/x11/X11WindowMenu.h"

#include "platform/x11/X11Connection.h"

#include <QPoint>
#include <QWidget>
#include <QWindow>

void X11WindowMenu::popUp(QWidget *window, const QPoint &screenPoint)
{
    X11Connection *x11 = X11Connection::ofQt();
    if (!x11 || !window || !window->windowHandle())
        return;
    const xcb_atom_t showMenu = x11->atom("_GTK_SHOW_WINDOW_MENU");
    if (showMenu == XCB_ATOM_NONE)
        return;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->windowHandle()->winId());
    message.type = showMenu;
    message.data.data32[1] = uint32_t(screenPoint.x());
    message.data.data32[2] = uint32_t(screenPoint.y());
    xcb_send_event(x11->get(), 0, x11->root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(x11->get());
}
