#include "ruler/SurfacePainter.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

SurfacePainter::SurfacePainter(QWidget *window) : QObject(window), window(window) {}

// The window paints the label's background, if it fills one, and its
// picture or text; the label itself paints nothing.
void SurfacePainter::add(QLabel *label)
{
    surfaces.append({label, label->autoFillBackground()});
    label->setAutoFillBackground(false);
    label->installEventFilter(this);
}

const SurfacePainter::Surface *SurfacePainter::find(const QObject *child) const
{
    for (const Surface &surface : surfaces) {
        if (surface.label == child)
            return &surface;
    }
    return nullptr;
}

bool SurfacePainter::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    return event->type() == QEvent::Paint;
}

// In the window's stacking order, which raising a label changes.
void SurfacePainter::paint(QPainter &painter, const QRect &area) const
{
    for (const QObject *child : window->children()) {
        const Surface *surface = find(child);
        if (surface && !surface->label->isHidden() && surface->label->geometry().intersects(area))
            paintLabel(painter, *surface);
    }
}

// As QLabel paints a plain label without a frame: the background in the
// palette's window colour, the picture or the text aligned in the label
// and cut off at its edges (the style's text drawing clips to the rectangle).
void SurfacePainter::paintLabel(QPainter &painter, const Surface &surface)
{
    const QLabel &label = *surface.label;
    const QRect place = label.geometry();
    if (surface.fillsBackground)
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
