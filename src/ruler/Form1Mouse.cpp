// Form1: what the mouse does on each surface of the window and on the
// sliders.
#include "ruler/Form1.h"

#include "chrome/WindowChrome.h"
#include "ruler/FaceArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>

// A left press drags the window once the pointer has moved a little, so that
// clicks and double-clicks on the same surfaces still arrive.
void Form1::leftPressOnHandle(QMouseEvent *event)
{
    pressPosition = event->globalPosition().toPoint();
    leftPressPending = true;
}

bool Form1::followPressForDrag(QMouseEvent *event)
{
    if (!leftPressPending || !(event->buttons() & Qt::LeftButton))
        return false;
    const QPoint travel = event->globalPosition().toPoint() - pressPosition;
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return false;
    leftPressPending = false;
    chrome->dragFrom(pressPosition);
    return true;
}

bool Form1::handleSurfaceEvent(const Surface &surface, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            leftPressOnHandle(mouse);
        } else if (mouse->button() == Qt::RightButton && surface.opensMenuOnRightPress) {
            PopupMenu();
        }
        return true;
    }
    case QEvent::MouseMove:
        if (surface.mouseMove && !(static_cast<QMouseEvent *>(event)->buttons()))
            (this->*surface.mouseMove)();
        followPressForDrag(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = leftPressPending && mouse->button() == Qt::LeftButton;
        leftPressPending = false;
        if (surface.area == Label2 && click)
            Label2_Click();
        else if (!surface.area && mouse->button() == Qt::RightButton)
            Form_Click();
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        // A right press soon after the last one at the same spot arrives as a
        // double-click; it opens the menu all the same.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && surface.doubleClick)
            (this->*surface.doubleClick)();
        else if (mouse->button() == Qt::RightButton && surface.opensMenuOnRightPress)
            PopupMenu();
        return true;
    }
    default:
        return false;
    }
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

// The topmost shown area at point, or the background.
const Form1::Surface &Form1::surfaceAt(const QPointF &point) const
{
    const QPoint pixel = point.toPoint();
    for (auto surface = surfaces.rbegin(); surface != surfaces.rend(); ++surface) {
        if (surface->area && surface->area->contains(pixel))
            return *surface;
    }
    return surfaces.front();
}

// As a widget under the pointer would, the surface pressed takes the moves
// and the release that follow, wherever the pointer goes.
void Form1::mousePressEvent(QMouseEvent *event)
{
    pressedSurface = &surfaceAt(event->position());
    handleSurfaceEvent(*pressedSurface, event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    const bool pressed = event->buttons() && pressedSurface;
    handleSurfaceEvent(pressed ? *pressedSurface : surfaceAt(event->position()), event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    const Surface &surface = pressedSurface ? *pressedSurface : surfaceAt(event->position());
    if (!event->buttons())
        pressedSurface = nullptr;
    handleSurfaceEvent(surface, event);
}

void Form1::mouseDoubleClickEvent(QMouseEvent *event)
{
    pressedSurface = &surfaceAt(event->position());
    handleSurfaceEvent(*pressedSurface, event);
}
