// Form1: the length sliders, the readouts they keep up to date, the menu
// captions and the copy.
#include "ruler/Form1.h"

#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"
#include "ruler/ContextMenu.h"
#include "ruler/SliderPopup.h"
#include "window/SliderThumb.h"
#include "window/Twips.h"

#include <QAction>
#include <QEvent>
#include <QSlider>
#include <utility>

// A held thumb's new value asks for the new length at once, before the
// slider paints it: the slider then reaches the screen with the length.
void Form1::Slider1_Change()
{
    measurement.setHorizontalLength(Slider1->value());
    wakeSleepingTimer();
    if (Timer1.isActive())
        Timer1_Timer();
}

void Form1::Slider2_Change()
{
    measurement.setVerticalLength(Slider2->value());
    wakeSleepingTimer();
    if (Timer2.isActive())
        Timer2_Timer();
}

// While the thumb is held still every tick finds nothing new. The slider's
// timer then sleeps, instead of waking a thousand times a second to do
// nothing, until the slider or the window's size changes: then it ticks as
// before. Only what a tick shows is compared, so nothing a tick does is lost.
void Form1::followTick(QTimer &timer, void (Form1::*tick)())
{
    const QString popupBefore = sliderPopup ? sliderPopup->text() : QString();
    const QSize sizeBefore = size();
    const QString widthBefore = Text1(), heightBefore = Text2(), unitBefore = Text5();
    (this->*tick)();
    if (size() == sizeBefore && Text1() == widthBefore && Text2() == heightBefore &&
        Text5() == unitBefore && sliderPopup && sliderPopup->text() == popupBefore &&
        sliderPopup->isVisible()) {
        timer.stop();
        sleepingTimer = &timer;
    }
}

void Form1::wakeSleepingTimer()
{
    if (QTimer *timer = std::exchange(sleepingTimer, nullptr))
        timer->start();
}

// A running caption timer goes on as it is: restarting it at every press
// would hold the caption back while the user presses again and again.
void Form1::Slider1_MouseDown()
{
    sleepingTimer = nullptr;
    Timer1.start();
    Timer2.stop();
    if (!Timer4.isActive())
        Timer4.start();
}

void Form1::Slider1_MouseUp()
{
    sleepingTimer = nullptr;
    Timer1.stop();
    if (sliderPopup)
        sliderPopup->hide();
}

void Form1::Slider2_MouseDown()
{
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.start();
    if (!Timer5.isActive())
        Timer5.start();
}

void Form1::Slider2_MouseUp()
{
    sleepingTimer = nullptr;
    Timer2.stop();
    if (sliderPopup)
        sliderPopup->hide();
}

void Form1::Timer1_Timer()
{
    askSize(QSize(Twips::toPixels(Slider1->value()), height()));
    refreshReadouts();
    setSliderPopup(Slider1, measurement.withUnit(measurement.Text1()));
}

void Form1::Timer2_Timer()
{
    askSize(QSize(width(), Twips::toPixels(Slider2->value())));
    refreshReadouts();
    setSliderPopup(Slider2, measurement.withUnit(measurement.Text2()));
}

// A held slider's length is asked of the windowing system, and the window
// is painted only once the window manager has given it: the slider, the
// readouts, the pop-up and the new strip then reach the screen together,
// in one repaint, rather than a repaint clipped to the old size and another
// at the new one. The size limits open to let the new size through and
// close on it when it comes. Another size the window manager gives is
// shown as it comes; one it refuses is waited for no longer than sizeWait.
void Form1::askSize(const QSize &wanted)
{
    if (!isVisible()) {
        resizeWindow(wanted.width(), wanted.height());
        return;
    }
    if (wanted == askedSize.value_or(size()) || wanted == refusedSize)
        return;
    askedSize = wanted;
    namePlace();
    setMinimumSize(size().boundedTo(wanted));
    setMaximumSize(size().expandedTo(wanted));
    setUpdatesEnabled(false);
    if (!sizeWait.isActive())
        sizeWait.start();
    platform().windowPlace->AskSize(this, wanted);
}

void Form1::sizeRefused()
{
    refusedSize = askedSize;
    sizeGiven();
}

void Form1::sizeGiven()
{
    askedSize.reset();
    sizeWait.stop();
    setFixedSize(size());
    if (size() != laidOutSize)
        Form_Resize();
    sizeShown();
}

// The readouts and the pop-up follow the length shown, in the same repaint.
void Form1::sizeShown()
{
    if (!updatesEnabled())
        setUpdatesEnabled(true);
    if (Timer1.isActive() || sleepingTimer == &Timer1)
        Timer1_Timer();
    else if (Timer2.isActive() || sleepingTimer == &Timer2)
        Timer2_Timer();
}

// The pop-up text stands beside the thumb while the slider is held, and
// only then: it is no tooltip of the slider's. It stays where it is while
// its text stays the same.
void Form1::setSliderPopup(QSlider *slider, const QString &popup)
{
    if (!sliderPopup)
        sliderPopup = new SliderPopup(this);
    if (sliderPopup->isVisible() && sliderPopup->text() == popup)
        return;
    sliderPopup->ShowAt(slider->mapToGlobal(SliderThumb(slider).bottomRight()), popup);
}

void Form1::Timer4_Timer()
{
    mnuFile->mnuWidth->setText(measurement.widthCaption());
}

void Form1::Timer5_Timer()
{
    mnuFile->mnuHeight->setText(measurement.heightCaption());
}

void Form1::mnuCopy_Click()
{
    Clipboard &clipboard = *platform().clipboard;
    clipboard.Clear();
    clipboard.SetText(measurement.copyText());
}

void Form1::mnuCopy2_Click()
{
    mnuCopy_Click();
}

void Form1::mnuClear_Click()
{
    measurement.Clear();
    showReadouts();
}

bool Form1::handleSliderEvent(QObject *slider, QEvent *event)
{
    const bool first = slider == Slider1;
    // A second press within the double-click time arrives as a double-click.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        first ? Slider1_MouseDown() : Slider2_MouseDown();
    else if (event->type() == QEvent::MouseButtonRelease)
        first ? Slider1_MouseUp() : Slider2_MouseUp();
    return false;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Slider1 || watched == Slider2)
        return handleSliderEvent(watched, event);
    return QWidget::eventFilter(watched, event);
}
