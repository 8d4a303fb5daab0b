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
//   step              a real step of a held thumb, pressed and moved 2 pixels
//                     by XTEST: the pointer's motion, the slider's new value,
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
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#ifdef OMBRIX_XTEST
#include <xcb/xtest.h>
#endif

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
        face.setPixmap(RulerFace::horizontal());
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

#ifdef OMBRIX_XTEST
// The pointer moved or its left button pressed or released as a user's is,
// through the X server's input, on a connection of the bench's own.
class FakePointer
{
public:
    FakePointer() : connection(xcb_connect(nullptr, nullptr))
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    }
    ~FakePointer() { xcb_disconnect(connection); }
    // Where the window really is, from the server.
    QPoint onScreen(WId window, QPoint at)
    {
        xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
            connection,
            xcb_translate_coordinates(connection, xcb_window_t(window), root, qint16(at.x()),
                                      qint16(at.y())),
            nullptr);
        const QPoint point = reply ? QPoint(reply->dst_x, reply->dst_y) : at;
        std::free(reply);
        return point;
    }
    void send(quint8 type, quint8 button, QPoint at = {})
    {
        xcb_test_fake_input(connection, type, button, XCB_CURRENT_TIME, root, qint16(at.x()),
                            qint16(at.y()), 0);
        xcb_flush(connection);
    }

private:
    xcb_connection_t *connection;
    xcb_window_t root = 0;
};

// Handles events as they come until done, for 2 s at most.
void waitFor(const std::function<bool()> &done)
{
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(2000);
    while (!done() && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void handleEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A real step of a held thumb: the pointer 2 pixels on or back, and
// everything the program does until the window shows the new length, and
// for 100 ms after, when the last of the server's notices have come.
int heldThumbSteps(int count)
{
    Form1 ruler;
    ruler.show();
    waitFor([&] { return ruler.windowHandle() && ruler.windowHandle()->isExposed(); });
    handleEventsFor(500); // placed by the window manager
    QSlider *slider = ruler.findChild<QSlider *>(QStringLiteral("Slider1"));
    FakePointer pointer;
    const QPoint thumb = pointer.onScreen(ruler.winId(), QPoint(124, 59)); // the start length
    pointer.send(XCB_MOTION_NOTIFY, 0, thumb);
    pointer.send(XCB_BUTTON_PRESS, 1);
    waitFor([&] { return slider->isSliderDown(); });
    if (!slider->isSliderDown()) {
        std::fputs("bench_ruler_tick: the thumb could not be held\n", stderr);
        return 1;
    }
    int before = 0;
    int widths = 0;
    countInstructions(
        count, false,
        [&](int i) {
            before = slider->value();
            pointer.send(XCB_MOTION_NOTIFY, 0, thumb + QPoint(i % 2 ? 2 : 4, 0));
        },
        [&] {
            const int width = ruler.width();
            waitFor([&] { return slider->value() != before && ruler.updatesEnabled(); });
            handleEventsFor(100);
            widths += ruler.width() != width;
        });
    pointer.send(XCB_BUTTON_RELEASE, 1);
    settle();
    if (widths < count) {
        std::fprintf(stderr, "bench_ruler_tick: %d steps of %d showed no new length\n",
                     count - widths, count);
        return 1;
    }
    return 0;
}
#else
int heldThumbSteps(int)
{
    std::fputs("bench_ruler_tick: built without XTEST's headers\n", stderr);
    return 1;
}
#endif

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
    if (kind == QLatin1String("step"))
        return heldThumbSteps(count);
    if (kind == QLatin1String("popup-repaint")) {
        QWidget owner;
        SliderPopup popup(&owner);
        const QPoint thumb(300, 200);
        popup.showAt(thumb, QStringLiteral("400 Pixels"));
        settle();
        bool longer = false;
        countInstructions(
            count, true, [&](int i) { longer = i % 2; },
            [&] {
                popup.showAt(thumb + QPoint(longer ? 20 : 0, 0),
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
    RealPlatform::install();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--instructions"))
        return instructions(arguments.at(2), arguments.at(3).toInt());
    std::printf("ruler_tick_us %.2f\n", rulerTick());
    std::printf("bare_resize_us %.2f\n", bareResize());
    return 0;
}
