// Form1: the two orientations, the layout that follows every size, and the
// window's paint pass.
#include "ruler/Form1.h"

#include "button/chameleonButton.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "ruler/ContextMenu.h"
#include "ruler/FaceArea.h"
#include "ruler/RulerDesign.h"
#include "ruler/RulerFace.h"
#include "ruler/SurfacePainter.h"
#include "ruler/UnitFormats.h"
#include "window/OuterRect.h"
#include "window/Twips.h"

#include <QAction>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QWindow>

float Form1::LeftTwips() const
{
    return float(Twips::fromPixels(OuterPlace(this).x()));
}

float Form1::TopTwips() const
{
    return float(Twips::fromPixels(OuterPlace(this).y()));
}

float Form1::WidthTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).width()));
}

float Form1::HeightTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).height()));
}

// ---- Orientation and layout ----

void Form1::mnuVertical_Click()
{
    Option2_Click();
    mnuFile->mnuHoriz->setVisible(true);
    mnuFile->mnuVertical->setVisible(false);
    showNudgeButtons(false);
    Label4->move(Twips::toPixels(WidthTwips() - RulerDesign::rightBarWidth), Label4->y());
}

void Form1::mnuHoriz_Click()
{
    Option1_Click();
    mnuFile->mnuVertical->setVisible(true);
    mnuFile->mnuHoriz->setVisible(false);
    showNudgeButtons(true);
}

// Left and right for the horizontal ruler, up and down for the vertical one.
void Form1::showNudgeButtons(bool horizontalRuler)
{
    nudgeButtons[MoveLeft]->setVisible(horizontalRuler);
    nudgeButtons[MoveRight]->setVisible(horizontalRuler);
    nudgeButtons[MoveUp]->setVisible(!horizontalRuler);
    nudgeButtons[MoveDown]->setVisible(!horizontalRuler);
}

void Form1::Option1_Click()
{
    measurement.setHorizontal(true);
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.stop();
    if (const std::optional<double> length = UnitFormats::readoutValue(measurement.Text6()))
        resizeWindow(Twips::toPixels(*length), Twips::toPixels(RulerDesign::thickness));
    Slider1->setValue(measurement.Text6().toInt());
    Slider1->show();
    Slider2->hide();
    Label3->hide();
    Label4->hide();
    Label1->move(Label1->x(), 0);
    Label1->show();
    Label2->show();
    Label2->move(Label2->x(), Twips::toPixels(HeightTwips() - RulerDesign::edgeBarHeight -
                                              RulerDesign::barInsetAfterTurn));
    Image9->show();
    Image10->hide();
    Slider1->setFocus();
}

void Form1::Option2_Click()
{
    measurement.setHorizontal(false);
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.stop();
    if (const std::optional<double> length = UnitFormats::readoutValue(measurement.Text7()))
        resizeWindow(Twips::toPixels(RulerDesign::thickness), Twips::toPixels(*length));
    Slider2->setValue(measurement.Text7().toInt());
    Slider1->hide();
    Slider2->show();
    Label1->hide();
    Label2->hide();
    Label3->move(0, Label3->y());
    Label3->show();
    Label4->show();
    Label4->move(
        Twips::toPixels(WidthTwips() - RulerDesign::rightBarWidth - RulerDesign::barInsetAfterTurn),
        Label4->y());
    Image9->hide();
    if (Image10->pixmap().isNull()) {
        Image10->setPixmap(RulerFace::Vertical());
        Image2->setPixmap(ToolLook::asset("title_v"));
    }
    Image10->show();
    Slider2->setFocus();
}

void Form1::Form_Resize()
{
    const double h = HeightTwips();
    Label1->resize(width(), Label1->height());
    Label2->resize(width(), Label2->height());
    Label2->move(Label2->x(), Twips::toPixels(h - RulerDesign::edgeBarHeight));
    Label3->resize(Label3->width(), height());
    Label4->resize(Label4->width(), height());
    chrome->layOut();
    laidOutSize = size();
}

// The layout runs as part of every size change the ruler makes, before the
// next step of the handler that made it, as the readouts depend on it.
void Form1::resizeWindow(int widthPixels, int heightPixels)
{
    askedSize.reset();
    refusedSize.reset();
    sizeWait.stop();
    if (!updatesEnabled())
        setUpdatesEnabled(true);
    if (size() == QSize(widthPixels, heightPixels))
        return;
    namePlace();
    // Fixed at every length, as at the start.
    setFixedSize(widthPixels, heightPixels);
    if (size() != laidOutSize)
        Form_Resize();
}

// A window manager keeps a window that grows past the screen's edge on the
// screen by moving it (openbox moved the edge the user had lined up), unless
// the window names its place. Once the ruler is shown where the window
// manager or the user put it, it gives Qt the place it stands at: Qt then
// sends that place, as the program's own, with every size the ruler asks
// for. The edge stays, and the ruler may run off the screen.
void Form1::namePlace()
{
    if (isVisible())
        windowHandle()->setPosition(windowHandle()->position());
}

// Size changes the ruler did not make itself (the window manager's) are laid
// out when the platform reports them.
void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() != laidOutSize)
        Form_Resize();
    wakeSleepingTimer();
    if (askedSize && size() == *askedSize)
        sizeGiven();
    else if (sizeWait.isActive())
        sizeShown();
}

// Restoring from the task bar does not change the size, but lays the window
// out again all the same.
void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

// ---- Painting ----

// The background where no area covers it, the face's areas from the
// bottom, and the caption pictures lying on them.
void Form1::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QRegion background = event->region();
    for (const Surface &surface : surfaces) {
        if (surface.area && surface.area->coversItsPlace())
            background -= surface.area->geometry();
    }
    for (const QRect &rect : background)
        painter.fillRect(rect, palette().window());
    for (const Surface &surface : surfaces) {
        if (surface.area && surface.area->geometry().intersects(event->rect()))
            surface.area->paint(painter);
    }
    surfacePainter->paint(painter, event->rect());
}
