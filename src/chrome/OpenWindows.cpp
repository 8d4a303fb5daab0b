#include "chrome/OpenWindows.h"

#include "chrome/OnTopPeer.h"

#include <QWidget>
#include <array>

namespace OpenWindows {
namespace {

std::array<QWidget *, RoleCount> &open()
{
    static std::array<QWidget *, RoleCount> windows = {};
    return windows;
}

std::array<Maker, RoleCount> &makers()
{
    static std::array<Maker, RoleCount> made = {};
    return made;
}

} // namespace

void registerWindow(Role role, QWidget *window)
{
    open()[role] = window;
}

void forgetWindow(Role role, QWidget *window)
{
    if (open()[role] == window)
        open()[role] = nullptr;
}

QWidget *find(Role role)
{
    return open()[role];
}

void setMaker(Role role, Maker maker)
{
    makers()[role] = std::move(maker);
}

QWidget *show(Role role)
{
    QWidget *window = find(role);
    if (!window && makers()[role])
        window = makers()[role]();
    if (window)
        ShowIt(window);
    return window;
}

void unloadOthers(Role kept)
{
    for (int role = 0; role < RoleCount; ++role) {
        if (QWidget *window = open()[role]; window && role != kept)
            window->close();
    }
}

void reassertOthers(Role from)
{
    for (int role = 0; role < RoleCount; ++role) {
        auto *peer = dynamic_cast<OnTopPeer *>(open()[role]);
        if (role != from && peer && peer->showsOnTop())
            peer->Command1_Click();
    }
}

} // namespace OpenWindows
