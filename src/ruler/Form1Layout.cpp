// Form1: the two orientations, the layout that follows every size, and the
// face, which paints the window and takes its mouse.
#include "ruler/Form1.h"

#include "button/chameleonButton.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "ruler/ContextMenu.h"
#include "ruler/LengthFollower.h"
#include "ruler/RulerFace.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerSurface.h"
#include "ruler/UnitFormats.h"
#include "window/OuterRect.h"
#include "window/Twips.h"

#include <QAction>
#include <QSlider>
#include <QWindow>

float Form1::leftTwips() const
{
    return float(Twips::fromPixels(outerPlace(this).x()));
}

float Form1::topTwips() const
{
    return float(Twips::fromPixels(outerPlace(this).y()));
}

float Form1::widthTwips() const
{
    return float(Twips::fromPixels(outerRect(this).width()));
}

float Form1::heightTwips() const
{
    return float(Twips::fromPixels(outerRect(this).height()));
}

// ---- Orientation and layout ----

void Form1::mnuVertical_Click()
{
    turn(Orientation::Vertical);
}

void Form1::mnuHoriz_Click()
{
    turn(Orientation::Horizontal);
}

// The menu then offers the other orientation.
void Form1::turn(Orientation orientation)
{
    const bool horizontal = orientation == Orientation::Horizontal;
    horizontal ? Option1_Click() : Option2_Click();
    mnuFile->mnuVertical->setVisible(horizontal);
    mnuFile->mnuHoriz->setVisible(!horizontal);
}

void Form1::Option1_Click()
{
    layOut(Orientation::Horizontal);
}

void Form1::Option2_Click()
{
    layOut(Orientation::Vertical);
}

// The window takes the length stored for the orientation (one that is no
// number leaves it as it is), and the controls of the orientation.
void Form1::layOut(Orientation orientation)
{
    const bool horizontal = orientation == Orientation::Horizontal;
    measurement.setHorizontal(horizontal);
    follower->stop();
    const QString length = horizontal ? measurement.Text6() : measurement.Text7();
    if (const std::optional<double> twips = UnitFormats::readoutValue(length)) {
        const QSize wanted = RulerLayout::windowSize(orientation, *twips);
        resizeWindow(wanted.width(), wanted.height());
    }
    QSlider *slider = horizontal ? Slider1 : Slider2;
    slider->setValue(length.toInt());
    // The upright pictures are decoded when the ruler first turns vertical.
    if (!horizontal && surface->picture(RulerLayout::Image10).isNull()) {
        surface->setPicture(RulerLayout::Image10, RulerFace::vertical());
        surface->setPicture(RulerLayout::Image2, ToolLook::asset("title_v"));
    }
    const RulerLayout layout(orientation, size(), RulerLayout::Turned);
    showControls(layout);
    placeFace(layout);
    slider->setFocus();
}

void Form1::Form_Resize()
{
    placeControls(
        RulerLayout(measurement.isHorizontal() ? Orientation::Horizontal : Orientation::Vertical,
                    size(), RulerLayout::Resized));
    chrome->resetAfterResize();
    laidOutSize = size();
}

void Form1::placeFace(const RulerLayout &layout)
{
    for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area)
        surface->setPlace(RulerSurface::Area(area), layout.rect(RulerSurface::Area(area)));
}

void Form1::placeControls(const RulerLayout &layout)
{
    placeFace(layout);
    chrome->moveCaptionPictures(layout.rect(RulerLayout::OnTopSwitch).topLeft(),
                                layout.rect(RulerLayout::MinimizeButton).topLeft(),
                                layout.rect(RulerLayout::CloseButton).topLeft());
}

// The face's areas, the sliders and the arrow buttons of the orientation.
void Form1::showControls(const RulerLayout &layout)
{
    for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area)
        surface->setShown(RulerSurface::Area(area), layout.isShown(RulerSurface::Area(area)));
    const std::pair<RulerLayout::Control, QWidget *> widgets[] = {
        {RulerLayout::Slider1, Slider1},
        {RulerLayout::Slider2, Slider2},
        {RulerLayout::chameleonButton1, nudgeButtons[MoveLeft]},
        {RulerLayout::chameleonButton2, nudgeButtons[MoveUp]},
        {RulerLayout::chameleonButton3, nudgeButtons[MoveDown]},
        {RulerLayout::chameleonButton4, nudgeButtons[MoveRight]},
    };
    for (const auto &[control, widget] : widgets)
        widget->setVisible(layout.isShown(control));
}

// The layout runs as part of every size change the ruler makes, before the
// next step of the handler that made it, as the readouts depend on it.
void Form1::resizeWindow(int widthPixels, int heightPixels)
{
    follower->forgetAskedSize();
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
    follower->windowResized();
}

void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    follower->windowMoved();
}

// Restoring from the task bar does not change the size, but lays the window
// out again all the same.
void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

// ---- The face ----

void Form1::paintEvent(QPaintEvent *event)
{
    surface->paint(event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    surface->mouseEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    surface->mouseEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    surface->mouseEvent(event);
}

void Form1::mouseDoubleClickEvent(QMouseEvent *event)
{
    surface->mouseEvent(event);
}

// Once the pointer has travelled from a left press, the window's move
// starts from that press.
void Form1::startDrag(const QPoint &pressGlobal)
{
    chrome->dragFrom(pressGlobal);
}
