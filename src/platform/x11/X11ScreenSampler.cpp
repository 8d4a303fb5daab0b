#include "platform/x11/X11ScreenSampler.h"

#include "platform/x11/X11Connection.h"

#include <QCursor>
#include <cstdlib>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace {

// Scales the bits under mask to one 0..255 channel.
quint32 channel(quint32 pixel, quint32 mask)
{
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const quint32 maximum = mask >> shift;
    return ((pixel & mask) >> shift) * 255u / maximum;
}

xcb_visualtype_t *rootVisual(xcb_screen_t *screen)
{
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == screen->root_visual)
                return visuals.data;
        }
    }
    return nullptr;
}

// The Z-format image format of the given depth, or null.
const xcb_format_t *formatOfDepth(const xcb_setup_t *setup, quint8 depth)
{
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth)
            return formats.data;
    }
    return nullptr;
}

// How far from where it was heading the pointer may be found within the
// pixels read with it: a pointer held still or moving evenly is inside, a
// turn or a jump costs a second read.
constexpr int nearbyReach = 24;

// RandR 1.5 lists the monitors; without it the root window is taken as one
// monitor that is not primary.
bool listsMonitors(xcb_connection_t *server)
{
    const xcb_query_extension_reply_t *randr = xcb_get_extension_data(server, &xcb_randr_id);
    if (!randr || !randr->present)
        return false;
    xcb_randr_query_version_reply_t *version =
        xcb_randr_query_version_reply(server, xcb_randr_query_version(server, 1, 5), nullptr);
    const bool lists = version && (version->major_version > 1 ||
                                   (version->major_version == 1 && version->minor_version >= 5));
    std::free(version);
    return lists;
}

} // namespace

X11ScreenSampler::X11ScreenSampler() = default;
X11ScreenSampler::~X11ScreenSampler() = default;

bool X11ScreenSampler::connected()
{
    if (!opened) {
        opened = true;
        if (!open()) {
            x11.reset();
            connection = nullptr;
        }
    }
    return connection != nullptr;
}

// Only where Qt itself talks to an X server, and to the same screen of it.
bool X11ScreenSampler::open()
{
    if (!X11Connection::ofQt())
        return false;
    x11 = X11Connection::open();
    if (!x11)
        return false;
    connection = x11->get();
    const xcb_setup_t *setup = xcb_get_setup(connection);
    xcb_screen_t *screen = x11->screen();
    xcb_visualtype_t *visual = screen ? rootVisual(screen) : nullptr;
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR || !visual->red_mask ||
        !visual->green_mask || !visual->blue_mask)
        return false;
    const xcb_format_t *format = formatOfDepth(setup, screen->root_depth);
    bytesPerPixel = format ? format->bits_per_pixel / 8 : 0;
    if (bytesPerPixel < 1 || bytesPerPixel > 4)
        return false;
    scanlinePadBytes = qMax(1, format->scanline_pad / 8);
    root = screen->root;
    rootWidth = screen->width_in_pixels;
    rootHeight = screen->height_in_pixels;
    leastSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    redMask = visual->red_mask;
    greenMask = visual->green_mask;
    blueMask = visual->blue_mask;
    randrMonitors = listsMonitors(connection);
    lastListed = MonitorLayout({{QRect(0, 0, rootWidth, rootHeight), false}});
    if (randrMonitors) {
        randrEvents = xcb_get_extension_data(connection, &xcb_randr_id)->first_event;
        xcb_randr_select_input(
            connection, root,
            XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE | XCB_RANDR_NOTIFY_MASK_CRTC_CHANGE |
                XCB_RANDR_NOTIFY_MASK_OUTPUT_CHANGE | XCB_RANDR_NOTIFY_MASK_OUTPUT_PROPERTY);
    }
    return true;
}

// Every question goes out before any answer is awaited: one round trip.
// With nearbyAsked, the pixels where the pointer is expected go out too,
// before the pointer, so that its answer comes last and one wait takes all.
std::optional<QPoint> X11ScreenSampler::rootPointer(MonitorLayout &layout, QRect *nearby,
                                                    unsigned int *nearbyAsked)
{
    const unsigned int monitorsAsked = askMonitors();
    if (nearbyAsked) {
        *nearby = expectedPointerArea();
        *nearbyAsked = nearby->isEmpty() ? 0 : askImage(*nearby);
    }
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    layout = monitors(monitorsAsked);
    if (!reply)
        return std::nullopt;
    const QPoint rootPoint(reply->root_x, reply->root_y);
    std::free(reply);
    return rootPoint;
}

// Around where the pointer would be had it gone on as it went between the
// last two samples, within the root window.
QRect X11ScreenSampler::expectedPointerArea() const
{
    if (!lastPointer)
        return {};
    const QPoint expected = *lastPointer + lastStep;
    const QRect around(expected - QPoint(nearbyReach, nearbyReach),
                       QSize(2 * nearbyReach + 1, 2 * nearbyReach + 1));
    return around.intersected(QRect(0, 0, rootWidth, rootHeight));
}

QPoint X11ScreenSampler::pointerPosition()
{
    MonitorLayout layout;
    const std::optional<QPoint> rootPoint = connected() ? rootPointer(layout) : std::nullopt;
    return rootPoint ? layout.fromRoot(*rootPoint) : QCursor::pos();
}

// The pixel goes out with the monitor list where one is asked for, at the
// place the last list gave the point; only if the new list puts it elsewhere
// is it asked for again.
qint32 X11ScreenSampler::pixelColor(QPoint screenPoint)
{
    if (!connected())
        return -1;
    const unsigned int monitorsAsked = askMonitors();
    const QPoint guessed = lastListed.toRoot(screenPoint);
    unsigned int imageAsked = inRoot(guessed) ? askImage(QRect(guessed, QSize(1, 1))) : 0;
    const MonitorLayout layout = monitors(monitorsAsked);
    const QPoint rootPoint = layout.toRoot(screenPoint);
    // Parts of the root window may lie on no monitor; what GetImage returns
    // there is not a pixel anybody sees.
    const bool visible = inRoot(rootPoint) && layout.covers(rootPoint);
    if (imageAsked && (rootPoint != guessed || !visible)) {
        xcb_discard_reply(connection, imageAsked);
        imageAsked = 0;
    }
    if (!visible)
        return -1;
    if (!imageAsked)
        imageAsked = askImage(QRect(rootPoint, QSize(1, 1)));
    xcb_get_image_reply_t *reply = imageReply(imageAsked);
    const qint32 colour = colourOf(reply, QPoint(), 1);
    std::free(reply);
    return colour;
}

// The pixels around where the pointer is expected go out with the question
// for the pointer, so that a pointer held still or moving evenly costs one
// round trip; the monitor list that comes with the pointer places the pixel
// too. A pointer found elsewhere has its pixel asked for on its own.
ScreenSampler::Sample X11ScreenSampler::pointerAndPixel()
{
    if (!connected())
        return ScreenSampler::pointerAndPixel();
    MonitorLayout layout;
    QRect nearby;
    unsigned int nearbyAsked = 0;
    const std::optional<QPoint> rootPoint = rootPointer(layout, &nearby, &nearbyAsked);
    const bool readable = rootPoint && inRoot(*rootPoint) && layout.covers(*rootPoint);
    const bool found = readable && nearbyAsked && nearby.contains(*rootPoint);
    if (nearbyAsked && !found)
        xcb_discard_reply(connection, nearbyAsked);
    if (!rootPoint)
        return {QCursor::pos(), -1};
    lastStep = lastPointer ? *rootPoint - *lastPointer : QPoint();
    lastPointer = rootPoint;
    if (!readable)
        return {layout.fromRoot(*rootPoint), -1};
    const QRect read = found ? nearby : QRect(*rootPoint, QSize(1, 1));
    xcb_get_image_reply_t *reply = imageReply(found ? nearbyAsked : askImage(read));
    const qint32 colour = colourOf(reply, *rootPoint - read.topLeft(), read.width());
    std::free(reply);
    return {layout.fromRoot(*rootPoint), colour};
}

// A server that keeps the screen from its clients, as XWayland does, fails
// GetImage of the root window wherever it is asked, so one pixel tells.
bool X11ScreenSampler::canReadScreen()
{
    if (!connected())
        return false;
    xcb_get_image_reply_t *reply = imageReply(askImage(QRect(0, 0, 1, 1)));
    std::free(reply);
    return reply != nullptr;
}

// The request's sequence number; 0 where the list is not asked for: the
// last list still holds.
unsigned int X11ScreenSampler::askMonitors()
{
    if (!randrMonitors || !monitorsMayHaveChanged())
        return 0;
    monitorsChanged = false;
    return xcb_randr_get_monitors(connection, root, 1).sequence;
}

// The server tells of every change of the screen, its outputs and their
// places; the list is asked for again after such a notice, and at least
// once a second all the same.
bool X11ScreenSampler::monitorsMayHaveChanged()
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
        if ((event->response_type & 0x7f) == randrEvents + XCB_RANDR_SCREEN_CHANGE_NOTIFY) {
            const auto *screen = reinterpret_cast<xcb_randr_screen_change_notify_event_t *>(event);
            rootWidth = screen->width;
            rootHeight = screen->height;
        }
        monitorsChanged = true;
        std::free(event);
    }
    return monitorsChanged || !listedAt.isValid() || listedAt.hasExpired(1000);
}

// The last list when none was asked for (or it was refused); the root
// window as one monitor that is not primary without RandR 1.5.
MonitorLayout X11ScreenSampler::monitors(unsigned int asked)
{
    if (!randrMonitors)
        return MonitorLayout({{QRect(0, 0, rootWidth, rootHeight), false}});
    if (!asked)
        return lastListed;
    xcb_randr_get_monitors_reply_t *reply =
        xcb_randr_get_monitors_reply(connection, {asked}, nullptr);
    if (!reply) {
        monitorsChanged = true;
        return lastListed;
    }
    QList<MonitorLayout::Monitor> list;
    for (auto each = xcb_randr_get_monitors_monitors_iterator(reply); each.rem;
         xcb_randr_monitor_info_next(&each)) {
        const xcb_randr_monitor_info_t *monitor = each.data;
        list.append({QRect(monitor->x, monitor->y, monitor->width, monitor->height),
                     monitor->primary != 0});
    }
    std::free(reply);
    lastListed = MonitorLayout(list);
    listedAt.start();
    return lastListed;
}

bool X11ScreenSampler::inRoot(QPoint rootPoint) const
{
    return rootPoint.x() >= 0 && rootPoint.y() >= 0 && rootPoint.x() < rootWidth &&
           rootPoint.y() < rootHeight;
}

unsigned int X11ScreenSampler::askImage(QRect area) const
{
    return xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, qint16(area.x()),
                         qint16(area.y()), quint16(area.width()), quint16(area.height()), ~0u)
        .sequence;
}

// Null when the server refuses.
xcb_get_image_reply_t *X11ScreenSampler::imageReply(unsigned int asked) const
{
    xcb_generic_error_t *error = nullptr;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, {asked}, &error);
    std::free(error);
    return reply;
}

// The pixel at offset in an image of the given width; each scan line is
// padded to the server's unit.
qint32 X11ScreenSampler::colourOf(xcb_get_image_reply_t *reply, QPoint offset, int width) const
{
    const int lineBytes =
        (width * bytesPerPixel + scanlinePadBytes - 1) / scanlinePadBytes * scanlinePadBytes;
    const int at = offset.y() * lineBytes + offset.x() * bytesPerPixel;
    if (!reply || xcb_get_image_data_length(reply) < at + bytesPerPixel)
        return -1;
    const quint32 pixel = pixelValue(xcb_get_image_data(reply) + at, bytesPerPixel);
    return qint32(channel(pixel, redMask) | channel(pixel, greenMask) << 8 |
                  channel(pixel, blueMask) << 16);
}

// The pixel's bytes, in the server's byte order.
quint32 X11ScreenSampler::pixelValue(const quint8 *data, int length) const
{
    quint32 pixel = 0;
    for (int i = 0; i < length; ++i) {
        const int index = leastSignificantFirst ? length - 1 - i : i;
        pixel = (pixel << 8) | data[index];
    }
    return pixel;
}
