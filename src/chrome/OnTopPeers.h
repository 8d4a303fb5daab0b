#pragma once

class OnTopPeer;

// The open windows that keep an on-top toggle. When one is taken off the
// top, each other open one that shows "On Top" is put back, so only the
// window the user chose leaves the band.
namespace OnTopPeers {

enum Role { Ruler, Spy, Mixer };

void Register(Role role, OnTopPeer *peer);
// Forgets the peer if it is the one registered for role.
void Unregister(Role role, OnTopPeer *peer);
OnTopPeer *Peer(Role role);
// From the ruler: Spy, then Mixer; from Spy: the ruler, then Mixer; from
// Mixer: the ruler, then Spy.
void ReassertOthers(Role from);

} // namespace OnTopPeers
