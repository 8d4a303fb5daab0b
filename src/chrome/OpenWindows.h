#pragma once

#include "window/ShowIt.h"

#include <functional>

class QWidget;

// The windows that are open at most once: the ruler, Color Spy, Color Mixer
// and the About box. Each enters when it is created and leaves when it is
// unloaded, so that a closed window is neither shown again nor asked back on
// top. Every window unloads the same way, by closing, which runs its own
// unloading steps.
namespace OpenWindows {

// Also the order in which the on-top cascade asks the others back.
enum Role { Ruler, Spy, Mixer, About, RoleCount };

void registerWindow(Role role, QWidget *window);
// Forgets the window if it is the one registered for role.
void forgetWindow(Role role, QWidget *window);

// The open window of that role, or nullptr.
QWidget *find(Role role);
template <typename Window> Window *find()
{
    return static_cast<Window *>(find(Window::role));
}

// Makes the window if none of its role is open (it registers itself), then
// restores it when minimised, shows and activates it.
template <typename Window> Window *show()
{
    Window *window = find<Window>();
    if (!window)
        window = new Window;
    ShowIt(window);
    return window;
}

// How the program makes the window of a role: the windows above the ruler
// are made by whoever knows them, so that the ruler opens them by role.
using Maker = std::function<QWidget *()>;
void setMaker(Role role, Maker maker);
template <typename Window> void setMaker()
{
    setMaker(Window::role, [] { return new Window; });
}

// As show<Window>(), for the window of role, made by its maker; nullptr when
// the role has none.
QWidget *show(Role role);

// Unloads every open window but the one of role kept.
void unloadOthers(Role kept);

// A window taken off the top: each other open one that shows "On Top" is put
// back, so that only the window the user chose leaves the band.
void reassertOthers(Role from);

} // namespace OpenWindows
