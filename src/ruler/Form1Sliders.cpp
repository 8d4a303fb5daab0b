// Form1: the length sliders, the readouts they keep up to date, the menu
// captions and the copy. Both orientations run one code path: their slider
// and timers are an axis each, followed by the length follower.
#include "ruler/Form1.h"

#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "ruler/ContextMenu.h"
#include "ruler/LengthFollower.h"

void Form1::Slider1_Change()
{
    follower->sliderChanged(RulerAxis::Horizontal);
}

void Form1::Slider2_Change()
{
    follower->sliderChanged(RulerAxis::Vertical);
}

void Form1::Slider1_MouseDown()
{
    follower->pressed(RulerAxis::Horizontal);
}

void Form1::Slider1_MouseUp()
{
    follower->released(RulerAxis::Horizontal);
}

void Form1::Slider2_MouseDown()
{
    follower->pressed(RulerAxis::Vertical);
}

void Form1::Slider2_MouseUp()
{
    follower->released(RulerAxis::Vertical);
}

void Form1::Timer1_Timer()
{
    follower->tick(RulerAxis::Horizontal);
}

void Form1::Timer2_Timer()
{
    follower->tick(RulerAxis::Vertical);
}

void Form1::Timer4_Timer()
{
    axes[RulerAxis::Horizontal].refreshCaption();
}

void Form1::Timer5_Timer()
{
    axes[RulerAxis::Vertical].refreshCaption();
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
