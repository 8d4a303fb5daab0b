// follow_watch WINDOW X Y SECONDS: holds the left button down at X,Y (XTEST)
// and moves the pointer 2 px every 16 ms, to and fro along x, for SECONDS,
// then releases it. As a client of its own, separate from the program, it
// watches WINDOW: each ConfigureNotify with a new size, and every Damage on
// it. A motion's latency runs from the motion to the first Damage after the
// first ConfigureNotify with a new size that follows it: the moment the
// window shows its new length.
//
// Prints the median and 95th percentile latency in microseconds, how many
// motions found a new size, the window's growth a pixel of pointer and the
// Damage rectangles a new size brought:
//   latency_median_us V / latency_p95_us V / followed N / length_per_pixel V /
//   damage_per_size V
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <poll.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

constexpr int stepPixels = 2;
constexpr auto stepInterval = std::chrono::milliseconds(16);
constexpr int stepsEachWay = 60;

struct Watch
{
    xcb_connection_t *connection;
    xcb_window_t root;
    xcb_window_t window;
    uint8_t damageEvent = 0;
    uint32_t width = 0, height = 0;
    int widthAtStart = 0;
    // Motions not yet shown, and those a new size answers once it is drawn.
    std::deque<Clock::time_point> waiting, configured;
    std::vector<double> latencies;
    long damages = 0, sizes = 0;

    void fake(uint8_t type, uint8_t detail, int16_t x, int16_t y)
    {
        xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root, x, y, 0);
    }

    void handle(xcb_generic_event_t *event)
    {
        const uint8_t type = event->response_type & 0x7f;
        const Clock::time_point now = Clock::now();
        if (type == XCB_CONFIGURE_NOTIFY) {
            auto *configure = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            if (configure->window != window ||
                (configure->width == width && configure->height == height))
                return;
            width = configure->width;
            height = configure->height;
            ++sizes;
            configured.insert(configured.end(), waiting.begin(), waiting.end());
            waiting.clear();
        } else if (type == damageEvent) {
            ++damages;
            for (const Clock::time_point motion : configured)
                latencies.push_back(
                    std::chrono::duration<double, std::micro>(now - motion).count());
            configured.clear();
        }
    }

    // Handles what arrives until the moment given.
    void pumpUntil(Clock::time_point until)
    {
        xcb_flush(connection);
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
                handle(event);
                std::free(event);
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            if (left.count() <= 0)
                return;
            pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&watched, 1, int(left.count()) + 1);
        }
    }
};

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: follow_watch WINDOW X Y SECONDS\n");
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const double seconds = std::atof(argv[4]);
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "follow_watch: no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "follow_watch: the server has no Damage extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));
    Watch watch{connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root, window};
    watch.damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    xcb_damage_create(connection, xcb_generate_id(connection), window,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry) {
        std::fprintf(stderr, "follow_watch: no window %s\n", argv[1]);
        return 1;
    }
    watch.width = geometry->width;
    watch.height = geometry->height;
    watch.widthAtStart = geometry->width;

    watch.fake(XCB_MOTION_NOTIFY, 0, int16_t(x), int16_t(y));
    watch.fake(XCB_BUTTON_PRESS, 1, 0, 0);
    Clock::time_point next = Clock::now() + std::chrono::milliseconds(300);
    watch.pumpUntil(next);
    watch.latencies.clear();
    watch.damages = watch.sizes = 0;
    const long steps = long(seconds * 1000 / stepInterval.count());
    long travel = 0;
    int pointerX = x;
    uint32_t widthBefore = watch.width;
    for (long step = 0; step < steps; ++step) {
        const int direction = (step / stepsEachWay) % 2 ? -1 : 1;
        pointerX += direction * stepPixels;
        watch.fake(XCB_MOTION_NOTIFY, 0, int16_t(pointerX), int16_t(y));
        xcb_flush(connection);
        watch.waiting.push_back(Clock::now());
        next += stepInterval;
        watch.pumpUntil(next);
        travel += std::labs(long(watch.width) - long(widthBefore));
        widthBefore = watch.width;
    }
    watch.pumpUntil(Clock::now() + std::chrono::milliseconds(100));
    watch.fake(XCB_BUTTON_RELEASE, 1, 0, 0);
    xcb_flush(connection);
    xcb_disconnect(connection);

    std::printf("latency_median_us %.0f\n", percentile(watch.latencies, 0.5));
    std::printf("latency_p95_us %.0f\n", percentile(watch.latencies, 0.95));
    std::printf("followed %zu\n", watch.latencies.size());
    std::printf("length_per_pixel %.2f\n", double(travel) / double(steps * stepPixels));
    std::printf("damage_per_size %.2f\n",
                watch.sizes ? double(watch.damages) / double(watch.sizes) : 0.0);
    return watch.latencies.empty() ? 1 : 0;
}
