// Form1: the length sliders, the readouts they keep up to date, the menu
// captions and the copy. Both orientations run one code path: their slider
// and timers are an axis each, followed by the length follower.
#include "ruler/Form1.h"

#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "ruler/LengthFollower.h"

#include <QEvent>
#include <QSlider>

void Form1::Slider1_Change()
{
    follower->sliderChanged(Orientation::Horizontal);
}

void Form1::Slider2_Change()
{
    follower->sliderChanged(Orientation::Vertical);
}

void Form1::Slider1_MouseDown()
{
    follower->pressed(Orientation::Horizontal);
}

void Form1::Slider1_MouseUp()
{
    follower->released(Orientation::Horizontal);
}

void Form1::Slider2_MouseDown()
{
    follower->pressed(Orientation::Vertical);
}

void Form1::Slider2_MouseUp()
{
    follower->released(Orientation::Vertical);
}

void Form1::Timer1_Timer()
{
    follower->timerTick(Orientation::Horizontal);
}

void Form1::Timer2_Timer()
{
    follower->timerTick(Orientation::Vertical);
}

void Form1::Timer4_Timer()
{
    axis(Orientation::Horizontal).refreshCaption();
}

void Form1::Timer5_Timer()
{
    axis(Orientation::Vertical).refreshCaption();
}

void Form1::mnuCopy_Click()
{
    Clipboard &clipboard = *platform().clipboard;
    clipboard.clear();
    clipboard.setText(measurement.copyText());
}

void Form1::mnuCopy2_Click()
{
    mnuCopy_Click();
}

void Form1::mnuClear_Click()
{
    measurement.clear();
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
