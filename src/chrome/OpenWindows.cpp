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

} // namespace

void Register(Role role, QWidget *window)
{
    open()[role] = window;
}

void Forget(Role role, QWidget *window)
{
    if (open()[role] == window)
        open()[role] = nullptr;
}

QWidget *Find(Role role)
{
    return open()[role];
}

void UnloadOthers(Role kept)
{
    for (int role = 0; role < RoleCount; ++role) {
        if (QWidget *window = open()[role]; window && role != kept)
            window->close();
    }
}

void ReassertOthers(Role from)
{
    for (int role = 0; role < RoleCount; ++role) {
        auto *peer = dynamic_cast<OnTopPeer *>(open()[role]);
        if (role != from && peer && peer->ShowsOnTop())
            peer->Command1_Click();
    }
}

} // namespace OpenWindows
