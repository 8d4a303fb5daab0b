// What one tick of the ruler's slider timer costs (resize, layout, readouts,
// unit conversion) next to what a plain resize of a window of the same size
// costs, on the X server in DISPLAY. The slider is moved between two lengths
// before each tick so every tick really resizes. Only the call is timed; the
// events it causes are handled between calls, as the event loop would.
//
// Prints "ruler_tick_us <v>" and "bare_resize_us <v>", the median per call.
//
// With --instructions KIND COUNT it instead runs COUNT calls of one kind
// with valgrind's callgrind collecting only inside them (run it under
// valgrind --tool=callgrind --collect-atstart=no); bench/run.sh divides the
// total by COUNT. Kinds:
//   tick-still        a tick while the thumb is held still: nothing new
//   tick              a tick that changes the length (the call alone)
//   tick-repaint      the same, and the repaint it causes
//   bare-resize       a resize of a window with the ruler's face (the call)
//   bare-repaint      the same, and the repaint it causes
//   popup-repaint     the slider's pop-up alone shown with a new length at a
//                     new place, as a changing tick shows it, and repainted
//   step              a real step of a held thumb: the slider's new value,
//                     the size asked of the window manager, the pop-up moved,
//                     and everything until the window shows the new length:
//                     the server's notices, the round trips and the repaint
#include "app/RealPlatform.h"
#include "ruler/Form1.h"
#include "ruler/RulerFace.h"
#include "ruler/SliderPopup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define OMBRIX_CALLGRIND 1
#endif

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

// A window of the ruler's size and colour showing the ruler's face where the
// ruler shows it, and nothing else.
struct BareWindow
{
    QWidget window;
    QLabel face{&window};

    BareWindow()
    {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(240, 232, 216));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        face.setPixmap(RulerFace::Horizontal());
        face.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        face.setGeometry(0, 7, 1600, 70);
        window.resize(400, 84);
        window.show();
        QCoreApplication::processEvents();
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Runs call count times, collecting instructions only inside it; with
// repaint the events it causes are handled inside too, else outside.
void countInstructions(int count, bool repaint, const std::function<void(int)> &prepare,
                       const std::function<void()> &call)
{
    for (int i = 0; i < warmUpCalls / 4 + count; ++i) {
        prepare(i);
        const bool counted = i >= warmUpCalls / 4;
#ifdef OMBRIX_CALLGRIND
        if (counted)
            CALLGRIND_TOGGLE_COLLECT;
#endif
        call();
        if (repaint)
            QCoreApplication::processEvents();
#ifdef OMBRIX_CALLGRIND
        if (counted)
            CALLGRIND_TOGGLE_COLLECT;
#endif
        settle();
    }
}

int instructions(const QString &kind, int count)
{
#ifndef OMBRIX_CALLGRIND
    std::fputs("bench_ruler_tick: built without valgrind's headers\n", stderr);
    return 1;
#endif
    const bool repaint = kind.endsWith(QLatin1String("repaint"));
    if (kind.startsWith(QLatin1String("tick"))) {
        Form1 ruler;
        ruler.show();
        settle();
        QSlider *slider = ruler.findChild<QSlider *>(QStringLiteral("Slider1"));
        const bool still = kind == QLatin1String("tick-still");
        ruler.Timer1_Timer(); // the pop-up is shown from the first tick on
        countInstructions(
            count, repaint, [&](int i) { slider->setValue(still || i % 2 ? 7500 : 6000); },
            [&] { ruler.Timer1_Timer(); });
        return 0;
    }
    if (kind == QLatin1String("step")) {
        Form1 ruler;
        ruler.show();
        settle();
        QSlider *slider = ruler.findChild<QSlider *>(QStringLiteral("Slider1"));
        ruler.Slider1_MouseDown();
        int length = 6000;
        countInstructions(
            count, false, [&](int i) { length = i % 2 ? 6150 : 6000; },
            [&] {
                slider->setValue(length);
                while (!ruler.updatesEnabled())
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                QCoreApplication::processEvents();
            });
        ruler.Slider1_MouseUp();
        return 0;
    }
    if (kind == QLatin1String("popup-repaint")) {
        QWidget owner;
        SliderPopup popup(&owner);
        const QPoint thumb(300, 200);
        popup.ShowAt(thumb, QStringLiteral("400 Pixels"));
        settle();
        bool longer = false;
        countInstructions(
            count, true, [&](int i) { longer = i % 2; },
            [&] {
                popup.ShowAt(thumb + QPoint(longer ? 20 : 0, 0),
                             longer ? QStringLiteral("500 Pixels") : QStringLiteral("400 Pixels"));
            });
        return 0;
    }
    if (kind.startsWith(QLatin1String("bare"))) {
        BareWindow bare;
        int width = 400;
        countInstructions(
            count, repaint, [&](int i) { width = i % 2 ? 500 : 400; },
            [&] { bare.window.resize(width, 84); });
        return 0;
    }
    std::fprintf(stderr, "bench_ruler_tick: no kind %s\n", qPrintable(kind));
    return 2;
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
    BareWindow bare;
    int width = 400;
    return medianMicroseconds([&](int i) { width = i % 2 ? 500 : 400; },
                              [&] { bare.window.resize(width, 84); });
}

} // namespace

int main(int argc, char *argv[])
{
    // The ruler reads its presets when it is created: give it an empty store
    // of its own rather than the user's.
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "96");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    RealPlatform::Install();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--instructions"))
        return instructions(arguments.at(2), arguments.at(3).toInt());
    std::printf("ruler_tick_us %.2f\n", rulerTick());
    std::printf("bare_resize_us %.2f\n", bareResize());
    return 0;
}
