#pragma once

#include "window/ScreenSampler.h"

struct xcb_connection_t;

// Asks the X server directly: one QueryPointer for the pointer and one 1 x 1
// GetImage of the root window for a pixel, one round trip each. Without an X
// connection (another platform plugin) every pixel is unreadable.
class X11ScreenSampler : public ScreenSampler
{
public:
    X11ScreenSampler();

    QPoint PointerPosition() override;
    qint32 PixelColor(QPoint screenPoint) override;

private:
    xcb_connection_t *connection = nullptr;
    quint32 root = 0;
    quint32 redMask = 0, greenMask = 0, blueMask = 0;
    bool leastSignificantFirst = true;
};
