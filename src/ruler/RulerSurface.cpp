#include "ruler/RulerSurface.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWidget>

RulerSurface::RulerSurface(QWidget *window) : QObject(window), window(window)
{
    setObjectName(QStringLiteral("RulerSurface"));
    for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area)
        areas[area].place = RulerLayout::atCreation(Area(area));
}

// ---- The areas ----

void RulerSurface::setPlace(Area area, const QRect &place)
{
    FaceArea &face = areas[area];
    if (place == face.place)
        return;
    const QRect before = face.place;
    face.place = place;
    changed(face, before | place);
}

void RulerSurface::setShown(Area area, bool shown)
{
    FaceArea &face = areas[area];
    if (shown == face.shown)
        return;
    face.shown = shown;
    window->update(face.place & window->rect());
}

void RulerSurface::setPicture(Area area, const QPixmap &picture)
{
    areas[area].picture = picture;
    changed(areas[area], areas[area].place);
}

void RulerSurface::setFill(Area area, const QColor &fill)
{
    areas[area].fill = fill;
    changed(areas[area], areas[area].place);
}

void RulerSurface::setText(Area area, const QString &text)
{
    areas[area].text = text;
    changed(areas[area], areas[area].place);
}

// A hidden area changes nothing the window shows; a shown one only what the
// window shows of it.
void RulerSurface::changed(const FaceArea &area, const QRect &rect)
{
    const QRect shown = rect & window->rect();
    if (area.shown && !shown.isEmpty())
        window->update(shown);
}

RulerSurface::Area RulerSurface::areaAt(const QPoint &point) const
{
    for (int area = RulerLayout::faceAreaCount - 1; area > RulerLayout::Form; --area) {
        if (areas[area].shown && areas[area].place.contains(point))
            return Area(area);
    }
    return RulerLayout::Form;
}

// ---- Painting ----

// The labels keep their names, places, pictures, tooltips and mouse
// handling; only their paint events are taken over, and the background they
// fill, if any, is painted with them.
void RulerSurface::addFlatLabel(QLabel *label)
{
    flatLabels.append({label, label->autoFillBackground()});
    label->setAutoFillBackground(false);
    label->installEventFilter(this);
}

bool RulerSurface::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    return event->type() == QEvent::Paint;
}

// The background where no area covers it, the areas from the bottom, and
// the flat labels lying on them.
void RulerSurface::paint(QPaintEvent *event) const
{
    QPainter painter(window);
    QRegion background = event->region();
    for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area) {
        if (coversItsPlace(areas[area]))
            background -= areas[area].place;
    }
    for (const QRect &rect : background)
        painter.fillRect(rect, window->palette().window());
    for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area) {
        if (areas[area].place.intersects(event->rect()))
            paintArea(painter, areas[area]);
    }
    paintFlatLabels(painter, event->rect());
}

bool RulerSurface::coversItsPlace(const FaceArea &area) const
{
    const bool pictureCoversAll = !area.picture.hasAlphaChannel() &&
                                  area.picture.width() >= area.place.width() &&
                                  area.picture.height() >= area.place.height();
    return area.shown && (area.fill.isValid() || pictureCoversAll);
}

// As QLabel paints its fill, a picture aligned at its top left, or a plain
// text there in the window's font and text colour (the style's text drawing
// clips to the rectangle).
void RulerSurface::paintArea(QPainter &painter, const FaceArea &area) const
{
    if (!area.shown)
        return;
    if (area.fill.isValid())
        painter.fillRect(area.place, area.fill);
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;
    if (!area.picture.isNull()) {
        window->style()->drawItemPixmap(&painter, area.place, topLeft, area.picture);
    } else if (!area.text.isEmpty()) {
        painter.setFont(window->font());
        window->style()->drawItemText(&painter, area.place, topLeft | Qt::TextForceLeftToRight,
                                      window->palette(), window->isEnabled(), area.text,
                                      QPalette::WindowText);
    }
}

// In the window's stacking order, which raising a label changes.
void RulerSurface::paintFlatLabels(QPainter &painter, const QRect &rect) const
{
    for (const QObject *child : window->children()) {
        const FlatLabel *flat = flatLabel(child);
        if (flat && !flat->label->isHidden() && flat->label->geometry().intersects(rect))
            paintLabel(painter, *flat);
    }
}

const RulerSurface::FlatLabel *RulerSurface::flatLabel(const QObject *child) const
{
    for (const FlatLabel &flat : flatLabels) {
        if (flat.label == child)
            return &flat;
    }
    return nullptr;
}

// As QLabel paints a plain label without a frame: the background in the
// palette's window colour, the picture or the text aligned in the label and
// cut off at its edges.
void RulerSurface::paintLabel(QPainter &painter, const FlatLabel &flat)
{
    const QLabel &label = *flat.label;
    const QRect place = label.geometry();
    if (flat.fillsBackground)
        painter.fillRect(place, label.palette().window());
    const int alignment = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    const QPixmap picture = label.pixmap();
    if (!picture.isNull()) {
        label.style()->drawItemPixmap(&painter, place, alignment, picture);
    } else if (!label.text().isEmpty()) {
        painter.setFont(label.font());
        label.style()->drawItemText(&painter, place, alignment | Qt::TextForceLeftToRight,
                                    label.palette(), label.isEnabled(), label.text(),
                                    label.foregroundRole());
    }
}

// ---- The mouse ----

// A press, or the second press of a double-click, takes the area under it;
// the moves and the release of a held button go to the area pressed.
void RulerSurface::mouseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressedArea = areaAt(point);
        handle(Area(pressedArea), event);
        break;
    case QEvent::MouseMove:
        handle(event->buttons() && pressedArea >= 0 ? Area(pressedArea) : areaAt(point), event);
        break;
    case QEvent::MouseButtonRelease: {
        const Area area = pressedArea >= 0 ? Area(pressedArea) : areaAt(point);
        if (!event->buttons())
            pressedArea = -1;
        handle(area, event);
        break;
    }
    default:
        break;
    }
}

// Every area but the background opens the menu on a right press; a right
// press soon after the last one at the same spot arrives as a double-click,
// and opens it all the same.
void RulerSurface::handle(Area area, QMouseEvent *event)
{
    const bool onFace = area != RulerLayout::Form;
    const Qt::MouseButton button = event->button();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (button == Qt::LeftButton) {
            pressGlobal = event->globalPosition().toPoint();
            leftPressPending = true;
        } else if (button == Qt::RightButton && onFace) {
            emit menuAsked();
        }
        break;
    case QEvent::MouseMove:
        if (!event->buttons())
            emit hovered(area);
        followPressForDrag(event);
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = leftPressPending && button == Qt::LeftButton;
        leftPressPending = false;
        if (click)
            emit clicked(area);
        else if (!onFace && button == Qt::RightButton)
            emit backgroundRightClicked();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (button == Qt::LeftButton)
            emit doubleClicked(area);
        else if (button == Qt::RightButton && onFace)
            emit menuAsked();
        break;
    default:
        break;
    }
}

void RulerSurface::followPressForDrag(QMouseEvent *event)
{
    if (!leftPressPending || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint travel = event->globalPosition().toPoint() - pressGlobal;
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return;
    leftPressPending = false;
    emit dragStarted(pressGlobal);
}
