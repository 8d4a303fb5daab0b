#include "window/X11ScreenSampler.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

// Scales the bits under mask to one 0..255 channel.
quint32 channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
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

} // namespace

X11ScreenSampler::X11ScreenSampler()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    connection = x11->connection();
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) {
        connection = nullptr;
        return;
    }
    root = screen->root;
    leastSignificantFirst =
        xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    if (xcb_visualtype_t *visual = rootVisual(screen)) {
        redMask = visual->red_mask;
        greenMask = visual->green_mask;
        blueMask = visual->blue_mask;
    }
}

QPoint X11ScreenSampler::PointerPosition()
{
    if (!connection)
        return QCursor::pos();
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (!reply)
        return QCursor::pos();
    const QPoint position(reply->root_x, reply->root_y);
    std::free(reply);
    return position;
}

qint32 X11ScreenSampler::PixelColor(QPoint screenPoint)
{
    if (!connection || screenPoint.x() < 0 || screenPoint.y() < 0 || screenPoint.x() > 0x7fff ||
        screenPoint.y() > 0x7fff)
        return -1;
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, qint16(screenPoint.x()),
                      qint16(screenPoint.y()), 1, 1, ~0u);
    xcb_generic_error_t *error = nullptr;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, &error);
    std::free(error);
    if (!reply)
        return -1;
    const int length = xcb_get_image_data_length(reply);
    const uint8_t *data = xcb_get_image_data(reply);
    const int bytes = qMin(length, 4);
    quint32 pixel = 0;
    for (int i = 0; i < bytes; ++i) {
        const int index = leastSignificantFirst ? bytes - 1 - i : i;
        pixel = (pixel << 8) | data[index];
    }
    std::free(reply);
    return qint32(channel(pixel, redMask) | channel(pixel, greenMask) << 8 |
                  channel(pixel, blueMask) << 16);
}
