#pragma once

#include "platform/MonitorLayout.h"
#include "platform/ScreenSampler.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

class X11Connection;
struct xcb_connection_t;
struct xcb_get_image_reply_t;

// Asks the X server directly, on a connection of its own, so that the
// answers wake only the thread that waits for them and not Qt's event
// reader: one QueryPointer for the pointer and one GetImage of the root
// window for a pixel. The pointer and its pixel come in one round trip
// while the pointer stays near where it was heading: the pixels around that
// place are asked for with the pointer. The place of the primary monitor may change at
// any time: RandR's list of monitors is asked for again, sent with the
// pointer or the pixel and waited for once, whenever the server has told of
// a change of its outputs, and at least once a second. The pixel is asked
// for where the last list put the point, and asked again only when a new
// list shows the monitors have moved.
// Without an X server under Qt (another platform plugin), or on a root
// visual whose pixels are not plain red, green and blue bits, every pixel is
// unreadable.
class X11ScreenSampler : public ScreenSampler
{
public:
    X11ScreenSampler();
    ~X11ScreenSampler() override;

    QPoint pointerPosition() override;
    qint32 pixelColor(QPoint screenPoint) override;
    bool canReadScreen() override;
    // The pixel asked for with the monitor list the pointer came with.
    Sample pointerAndPixel() override;

private:
    // The connection is opened on the first question, not at the start.
    bool connected();
    bool open();
    std::optional<QPoint> rootPointer(MonitorLayout &layout, QRect *nearby = nullptr,
                                      unsigned int *nearbyAsked = nullptr);
    QRect expectedPointerArea() const;
    unsigned int askMonitors();
    bool monitorsMayHaveChanged();
    unsigned int askImage(QRect area) const;
    MonitorLayout monitors(unsigned int asked);
    bool inRoot(QPoint rootPoint) const;
    xcb_get_image_reply_t *imageReply(unsigned int asked) const;
    qint32 colourOf(xcb_get_image_reply_t *reply, QPoint offset, int width) const;
    quint32 pixelValue(const quint8 *data, int length) const;

    bool opened = false;
    std::unique_ptr<X11Connection> x11;
    xcb_connection_t *connection = nullptr;
    quint32 root = 0;
    int rootWidth = 0, rootHeight = 0;
    int bytesPerPixel = 0;
    int scanlinePadBytes = 1;
    quint32 redMask = 0, greenMask = 0, blueMask = 0;
    bool leastSignificantFirst = true;
    bool randrMonitors = false;
    // The monitors as last listed, when, and whether the server has told of
    // a change since.
    MonitorLayout lastListed;
    QElapsedTimer listedAt;
    bool monitorsChanged = false;
    quint8 randrEvents = 0;
    // Where the pointer was at the last sample, and how far it had gone.
    std::optional<QPoint> lastPointer;
    QPoint lastStep;
};
