// Costs of the Color Spy's sampling on a real X server: one pixel read
// through the screen sampler, one bare X round trip on a connection of its
// own as the floor a pixel read cannot go below, one on Qt's connection
// (whose answers go through Qt's event reader thread), and one whole tick
// of the Spy. Prints one "name microseconds" line each, the median over
// batches.
//
// With --capture it instead opens Color Spy, starts its capture and runs
// until it is ended, for bench/run.sh to measure its share of a core. With
// --instructions COUNT it runs COUNT ticks 100 ms apart, as the timer does,
// with valgrind's callgrind collecting only inside each tick and the repaint
// it causes (run it under valgrind --tool=callgrind --collect-atstart=no).
#include "app/RealPlatform.h"
#include "colour/frmColor.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#include <xcb/xcb.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

constexpr int batches = 31;
constexpr int perBatch = 200;

double medianMicroseconds(const std::function<void()> &operation)
{
    for (int i = 0; i < perBatch; ++i)
        operation(); // warm up
    std::vector<double> perCall;
    for (int batch = 0; batch < batches; ++batch) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < perBatch; ++i)
            operation();
        perCall.push_back(double(clock.nsecsElapsed()) / perBatch / 1000.0);
    }
    std::nth_element(perCall.begin(), perCall.begin() + batches / 2, perCall.end());
    return perCall[batches / 2];
}

int capture()
{
    frmColor *spy = OpenWindows::show<frmColor>();
    spy->chameleonButton2_Click();
    return QApplication::exec();
}

int instructions(int count)
{
    frmColor *spy = OpenWindows::show<frmColor>();
    for (int i = 0; i < count; ++i) {
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
        CALLGRIND_TOGGLE_COLLECT;
        spy->Timer1_Timer();
        QCoreApplication::processEvents();
        CALLGRIND_TOGGLE_COLLECT;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        std::fprintf(stderr, "bench_colour_tick needs an X server\n");
        return 1;
    }
    RealPlatform::install();
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--capture")))
        return capture();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--instructions"))
        return instructions(arguments.at(2).toInt());
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_colour_tick cannot open a connection of its own\n");
        return 1;
    }
    ScreenSampler *sampler = platform().sampler;
    volatile qint32 sink = 0;

    const double pixel = medianMicroseconds([&] { sink = sampler->pixelColor(QPoint(10, 10)); });
    const double roundTrip = medianMicroseconds([&] {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    });
    xcb_connection_t *qts = x11->connection();
    const double qtRoundTrip = medianMicroseconds(
        [&] { std::free(xcb_get_input_focus_reply(qts, xcb_get_input_focus(qts), nullptr)); });
    frmColor *spy = OpenWindows::show<frmColor>();
    QCoreApplication::processEvents();
    const double tick = medianMicroseconds([&] { spy->Timer1_Timer(); });
    spy->close();
    QCoreApplication::processEvents();
    xcb_disconnect(connection);

    std::printf("pixel_read_us %.1f\n", pixel);
    std::printf("x_round_trip_us %.1f\n", roundTrip);
    std::printf("qt_round_trip_us %.1f\n", qtRoundTrip);
    std::printf("spy_tick_us %.1f\n", tick);
    return 0;
}
