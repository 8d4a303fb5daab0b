// What one tick of the ruler's slider timer costs (resize, layout, readouts,
// unit conversion) next to what a plain resize of a window of the same size
// costs, on the X server in DISPLAY. The slider is moved between two lengths
// before each tick so every tick really resizes. Only the call is timed; the
// events it causes are handled between calls, as the event loop would.
//
// Prints "ruler_tick_us <v>" and "bare_resize_us <v>", the median per call.
#include "ruler/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int warmUpCalls = 200;
constexpr int timedCalls = 3000;

// The median, not the mean: other programs on the machine only ever make
// single calls slower.
double medianMicroseconds(const std::function<void(int)> &prepare,
                          const std::function<void()> &call)
{
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(timedCalls);
    for (int i = 0; i < warmUpCalls + timedCalls; ++i) {
        prepare(i);
        QElapsedTimer clock;
        clock.start();
        call();
        const qint64 spent = clock.nsecsElapsed();
        if (i >= warmUpCalls)
            nanoseconds.push_back(spent);
        QCoreApplication::processEvents();
    }
    std::nth_element(nanoseconds.begin(), nanoseconds.begin() + timedCalls / 2, nanoseconds.end());
    return double(nanoseconds[timedCalls / 2]) / 1000.0;
}

double rulerTick()
{
    Form1 ruler;
    ruler.show();
    QCoreApplication::processEvents();
    QSlider *slider = ruler.findChild<QSlider *>(QStringLiteral("Slider1"));
    if (!slider)
        return -1;
    return medianMicroseconds([&](int i) { slider->setValue(i % 2 ? 7500 : 6000); },
                              [&] { ruler.Timer1_Timer(); });
}

double bareResize()
{
    QWidget window;
    window.resize(400, 84);
    window.show();
    QCoreApplication::processEvents();
    int width = 400;
    return medianMicroseconds([&](int i) { width = i % 2 ? 500 : 400; },
                              [&] { window.resize(width, 84); });
}

} // namespace

int main(int argc, char *argv[])
{
    // The ruler reads its presets when it is created: give it an empty store
    // of its own rather than the user's.
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    std::printf("ruler_tick_us %.2f\n", rulerTick());
    std::printf("bare_resize_us %.2f\n", bareResize());
    return 0;
}
