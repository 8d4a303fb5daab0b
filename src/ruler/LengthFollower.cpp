#include "ruler/LengthFollower.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"
#include "ruler/Measurement.h"
#include "ruler/RulerDesign.h"
#include "ruler/SliderPopup.h"
#include "window/SliderThumb.h"

#include <QSlider>
#include <QWidget>
#include <utility>

LengthFollower::LengthFollower(Window window, const Measurement &measurement,
                               const std::array<RulerAxis *, 2> &axes)
    : QObject(window.widget), window(std::move(window)), measurement(measurement), axes(axes)
{
    sizeWait.setInterval(RulerDesign::sizeWaitInterval);
    sizeWait.setSingleShot(true);
    connect(&sizeWait, &QTimer::timeout, this, &LengthFollower::sizeRefused);
}

// A held thumb's new value asks for the new length at once, before the
// slider paints it: the slider then reaches the screen with the length. A
// sleeping timer sleeps on: its next tick would find nothing more.
void LengthFollower::sliderChanged(Orientation orientation)
{
    RulerAxis &axis = *axes[std::size_t(orientation)];
    axis.storeLength();
    if (axis.followTimer().isActive() || sleepingTimer == &axis.followTimer())
        tick(orientation);
}

void LengthFollower::pressed(Orientation orientation)
{
    sleepingTimer = nullptr;
    for (RulerAxis *axis : axes) {
        if (axis->orientation() == orientation)
            axis->followTimer().start();
        else
            axis->followTimer().stop();
    }
    axes[std::size_t(orientation)]->startCaption();
}

void LengthFollower::released(Orientation orientation)
{
    sleepingTimer = nullptr;
    axes[std::size_t(orientation)]->followTimer().stop();
    if (popup)
        popup->hide();
}

void LengthFollower::tick(Orientation orientation)
{
    const RulerAxis &axis = *axes[std::size_t(orientation)];
    askSize(axis.lengthened(window.widget->size()));
    window.refreshReadouts();
    showPopup(axis);
}

void LengthFollower::stop()
{
    sleepingTimer = nullptr;
    for (RulerAxis *axis : axes)
        axis->followTimer().stop();
}

// While the thumb is held still every tick finds nothing new. The slider's
// timer then sleeps, instead of waking a thousand times a second to do
// nothing. The follower ticks itself when the slider changes and when the
// size it asked for comes; a size or place the window takes unasked wakes
// the timer, which ticks as before. Only what a tick shows is compared, so
// nothing a tick does is lost.
// A tick while the timer is off (the slider not held) never sleeps: the
// slider's next change would wake the timer.
void LengthFollower::timerTick(Orientation orientation)
{
    RulerAxis &axis = *axes[std::size_t(orientation)];
    const QString popupBefore = popup ? popup->text() : QString();
    const QSize sizeBefore = window.widget->size();
    const QString widthBefore = measurement.Text1(), heightBefore = measurement.Text2(),
                  unitBefore = measurement.Text5();
    tick(orientation);
    if (axis.followTimer().isActive() && window.widget->size() == sizeBefore &&
        measurement.Text1() == widthBefore && measurement.Text2() == heightBefore &&
        measurement.Text5() == unitBefore && popup && popup->text() == popupBefore &&
        popup->isVisible()) {
        axis.followTimer().stop();
        sleepingTimer = &axis.followTimer();
    }
}

void LengthFollower::wakeSleepingTimer()
{
    if (QTimer *timer = std::exchange(sleepingTimer, nullptr))
        timer->start();
}

// A held slider's length is asked of the windowing system, and the window
// is painted only once the window manager has given it: the slider, the
// readouts, the pop-up and the new strip then reach the screen together,
// in one repaint, rather than a repaint clipped to the old size and another
// at the new one. The size limits open to let the new size through and
// close on it when it comes. Another size the window manager gives is
// shown as it comes; one it refuses is waited for no longer than sizeWait.
void LengthFollower::askSize(const QSize &wanted)
{
    QWidget &widget = *window.widget;
    if (!widget.isVisible()) {
        window.resize(wanted);
        return;
    }
    if (wanted == askedSize.value_or(widget.size()) || wanted == refusedSize)
        return;
    askedSize = wanted;
    window.namePlace();
    widget.setMinimumSize(widget.size().boundedTo(wanted));
    widget.setMaximumSize(widget.size().expandedTo(wanted));
    widget.setUpdatesEnabled(false);
    if (!sizeWait.isActive())
        sizeWait.start();
    platform().windowPlace->askSize(&widget, wanted);
}

void LengthFollower::sizeRefused()
{
    refusedSize = askedSize;
    sizeGiven();
}

void LengthFollower::sizeGiven()
{
    askedSize.reset();
    sizeWait.stop();
    window.widget->setFixedSize(window.widget->size());
    window.layOut();
    sizeShown();
}

// The readouts and the pop-up follow the length shown, in the same repaint;
// a length given after the slider's release still reaches the readouts.
void LengthFollower::sizeShown()
{
    if (!window.widget->updatesEnabled())
        window.widget->setUpdatesEnabled(true);
    for (RulerAxis *axis : axes) {
        if (axis->followTimer().isActive() || sleepingTimer == &axis->followTimer()) {
            tick(axis->orientation());
            return;
        }
    }
    window.refreshReadouts();
}

void LengthFollower::forgetAskedSize()
{
    askedSize.reset();
    refusedSize.reset();
    sizeWait.stop();
    if (!window.widget->updatesEnabled())
        window.widget->setUpdatesEnabled(true);
}

void LengthFollower::windowResized()
{
    if (askedSize && window.widget->size() == *askedSize)
        sizeGiven();
    else if (sizeWait.isActive())
        sizeShown();
    else
        wakeSleepingTimer();
}

// A window manager that keeps a window on the screen may put one grown past
// the edge elsewhere for a moment: the pop-up goes back beside the thumb
// when the window does.
void LengthFollower::windowMoved()
{
    wakeSleepingTimer();
}

// The pop-up text stands beside the thumb while the slider is held, and
// only then: it is no tooltip of the slider's.
void LengthFollower::showPopup(const RulerAxis &axis)
{
    if (!popup)
        popup = new SliderPopup(window.widget);
    QSlider *slider = axis.slider();
    popup->showAt(slider->mapToGlobal(sliderThumb(slider).bottomRight()), axis.popupText());
}
