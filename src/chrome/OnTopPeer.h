#pragma once

// What the other windows need of a window that keeps an on-top toggle.
class OnTopPeer
{
public:
    virtual ~OnTopPeer() = default;
    // Whether its "On Top" picture is showing.
    virtual bool showsOnTop() const = 0;
    // The hidden re-assert command: puts the window back in the top-most band.
    virtual void Command1_Click() = 0;
};
