#pragma once

#include "platform/MonitorLayout.h"
#include "platform/ScreenSampler.h"

struct xcb_connection_t;
struct xcb_get_image_reply_t;

// Asks the X server directly: one QueryPointer for the pointer and one 1 x 1
// GetImage of the root window for a pixel, each with one RandR GetMonitors
// for the place of the primary monitor, which may change at any time (sent
// with the QueryPointer, before the GetImage). Without
// an X connection (another platform plugin), or on a root visual whose pixels
// are not plain red, green and blue bits, every pixel is unreadable.
class X11ScreenSampler : public ScreenSampler
{
public:
    X11ScreenSampler();

    QPoint PointerPosition() override;
    qint32 PixelColor(QPoint screenPoint) override;
    bool CanReadScreen() override;

private:
    unsigned int askMonitors() const;
    MonitorLayout monitors(unsigned int asked) const;
    bool inRoot(QPoint rootPoint) const;
    xcb_get_image_reply_t *rootImage(QPoint rootPoint) const;
    quint32 pixelValue(const quint8 *data, int length) const;

    xcb_connection_t *connection = nullptr;
    quint32 root = 0;
    int rootWidth = 0, rootHeight = 0;
    int bytesPerPixel = 0;
    quint32 redMask = 0, greenMask = 0, blueMask = 0;
    bool leastSignificantFirst = true;
    bool randrMonitors = false;
};
