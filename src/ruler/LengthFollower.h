#pragma once

#include "ruler/RulerAxis.h"

#include <QObject>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class Measurement;
class SliderPopup;
class QWidget;

// Has the window follow a held slider: each tick of the slider's timer asks
// the windowing system for the slider's length, shows the readouts of the
// length the window has and the pop-up text beside the thumb. The timer
// sleeps while the thumb is held still, and painting waits for a size asked
// of the window manager until it comes or is refused.
class LengthFollower : public QObject
{
    Q_OBJECT
public:
    // What the follower asks of the window it lengthens, beyond Qt's own.
    struct Window
    {
        QWidget *widget;
        // Sets the size at once and lays the window out: used while hidden.
        std::function<void(const QSize &)> resize;
        // Lays the window out if its size changed since it last was.
        std::function<void()> layOut;
        // Tells Qt the place the window stands at, before a size is asked.
        std::function<void()> namePlace;
        // The readouts of the length the window has.
        std::function<void()> refreshReadouts;
    };

    // A child of the window it lengthens.
    LengthFollower(Window window, const Measurement &measurement,
                   const std::array<RulerAxis *, 2> &axes);

    // The handlers of the sliders and their timers.
    void sliderChanged(Orientation orientation);
    void pressed(Orientation orientation);
    void released(Orientation orientation);
    void tick(Orientation orientation);
    // A tick of the slider's follow timer: a tick that puts the timer to
    // sleep while it finds nothing new.
    void timerTick(Orientation orientation);
    // The orientation turned: neither slider is followed any more.
    void stop();

    // The window took a size the follower did not ask for; it takes no
    // notice of what it asked before.
    void forgetAskedSize();
    // The window's size or place changed, the follower's asking or not.
    void windowResized();
    void windowMoved();

private:
    void wakeSleepingTimer();
    void askSize(const QSize &wanted);
    void sizeRefused();
    void sizeGiven();
    void sizeShown();
    void showPopup(const RulerAxis &axis);

    Window window;
    const Measurement &measurement;
    std::array<RulerAxis *, 2> axes;
    SliderPopup *popup = nullptr;
    // A follow timer while it sleeps with its slider held still.
    QTimer *sleepingTimer = nullptr;
    // The size a held slider asked for, until the windowing system gives it
    // or sizeWait runs out; painting waits for it meanwhile. One that ran
    // out is not asked for again.
    std::optional<QSize> askedSize;
    std::optional<QSize> refusedSize;
    QTimer sizeWait;
};
