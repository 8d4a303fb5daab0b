#pragma once

#include "platform/WindowMenu.h"

// X11 has no system-menu message; window managers that offer the menu
// answer _GTK_SHOW_WINDOW_MENU sent to the root window. Does nothing where
// Qt does not run on xcb.
class X11WindowMenu : public WindowMenu
{
public:
    void popUp(QWidget *window, const QPoint &screenPoint) override;
};
