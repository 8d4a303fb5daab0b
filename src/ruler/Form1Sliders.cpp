// Form1: the length sliders, the readouts they keep up to date, the menu
// captions and the copy.
#include "ruler/Form1.h"

#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "ruler/ContextMenu.h"
#include "ruler/ReadoutBox.h"
#include "ruler/SliderPopup.h"
#include "window/SliderThumb.h"
#include "window/Twips.h"

#include <QAction>
#include <QSlider>
#include <utility>

void Form1::Slider1_Change()
{
    horizontalLength = QString::number(Slider1->value());
    wakeSleepingTimer();
}

void Form1::Slider2_Change()
{
    verticalLength = QString::number(Slider2->value());
    wakeSleepingTimer();
}

// While the thumb is held still every tick finds nothing new. The slider's
// timer then sleeps, instead of waking a thousand times a second to do
// nothing, until the slider or the window's size changes: then it ticks as
// before. Only what a tick shows is compared, so nothing a tick does is lost.
void Form1::followTick(QTimer &timer, void (Form1::*tick)())
{
    const QString popupBefore = sliderPopup ? sliderPopup->text() : QString();
    const QSize sizeBefore = size();
    const QString widthBefore = Text1(), heightBefore = Text2(), unitBefore = unitName;
    (this->*tick)();
    if (size() == sizeBefore && Text1() == widthBefore && Text2() == heightBefore &&
        unitName == unitBefore && sliderPopup && sliderPopup->text() == popupBefore &&
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
    resizeWindow(Twips::toPixels(Slider1->value()), height());
    refreshReadouts();
    setSliderPopup(Slider1, withUnit(TextBox1));
}

void Form1::Timer2_Timer()
{
    resizeWindow(width(), Twips::toPixels(Slider2->value()));
    refreshReadouts();
    setSliderPopup(Slider2, withUnit(TextBox2));
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

QString Form1::withUnit(const ReadoutBox *readout) const
{
    return readout->text() + QLatin1Char(' ') + unitName;
}

QString Form1::widthCaption() const
{
    return QStringLiteral("Width:  ") + withUnit(TextBox1);
}

QString Form1::heightCaption() const
{
    return QStringLiteral("Height:  ") + withUnit(TextBox2);
}

void Form1::Timer4_Timer()
{
    mnuFile->mnuWidth->setText(widthCaption());
}

void Form1::Timer5_Timer()
{
    mnuFile->mnuHeight->setText(heightCaption());
}

void Form1::mnuCopy_Click()
{
    Clipboard &clipboard = *platform().clipboard;
    clipboard.Clear();
    clipboard.SetText(widthCaption() + QStringLiteral("\r\n") + heightCaption());
}

void Form1::mnuCopy2_Click()
{
    mnuCopy_Click();
}

void Form1::mnuClear_Click()
{
    TextBox1->clear();
    TextBox2->clear();
}
