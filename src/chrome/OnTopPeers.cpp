#include "chrome/OnTopPeers.h"

#include "chrome/OnTopPeer.h"

#include <array>

namespace OnTopPeers {
namespace {

std::array<OnTopPeer *, 3> &peers()
{
    static std::array<OnTopPeer *, 3> open = {};
    return open;
}

} // namespace

void Register(Role role, OnTopPeer *peer)
{
    peers()[role] = peer;
}

void Unregister(Role role, OnTopPeer *peer)
{
    if (peers()[role] == peer)
        peers()[role] = nullptr;
}

OnTopPeer *Peer(Role role)
{
    return peers()[role];
}

void ReassertOthers(Role from)
{
    for (Role other : {Ruler, Spy, Mixer}) {
        OnTopPeer *peer = peers()[other];
        if (other != from && peer && peer->ShowsOnTop())
            peer->Command1_Click();
    }
}

} // namespace OnTopPeers
