#include "ruler/FaceArea.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

FaceArea::FaceArea(QWidget *window, const QString &name, const QRect &geometry)
    : QObject(window), window(window), place(geometry)
{
    setObjectName(name);
}

void FaceArea::move(int x, int y)
{
    setGeometry(QRect(QPoint(x, y), place.size()));
}

void FaceArea::resize(int width, int height)
{
    setGeometry(QRect(place.topLeft(), QSize(width, height)));
}

void FaceArea::setGeometry(const QRect &geometry)
{
    if (geometry == place)
        return;
    const QRect before = place;
    place = geometry;
    changed(before | place);
}

bool FaceArea::isVisible() const
{
    return !hidden && window->isVisible();
}

void FaceArea::setVisible(bool visible)
{
    if (visible == !hidden)
        return;
    hidden = !visible;
    repaint(place);
}

void FaceArea::setPixmap(const QPixmap &pixmap)
{
    picture = pixmap;
    changed(place);
}

void FaceArea::setFill(const QColor &color)
{
    fill = color;
    changed(place);
}

void FaceArea::setText(const QString &text)
{
    caption = text;
    changed(place);
}

// A hidden area changes nothing the window shows.
void FaceArea::changed(const QRect &area)
{
    if (!hidden)
        repaint(area);
}

// Only what the window shows of it.
void FaceArea::repaint(const QRect &area)
{
    const QRect shown = area & window->rect();
    if (!shown.isEmpty())
        window->update(shown);
}

bool FaceArea::coversItsPlace() const
{
    const bool picturesAll = !picture.hasAlphaChannel() && picture.width() >= place.width() &&
                             picture.height() >= place.height();
    return !hidden && (fill.isValid() || picturesAll);
}

// As QLabel paints its fill, a picture aligned at its top left, or a plain
// text there in the window's font and text colour (the style's text drawing
// clips to the rectangle).
void FaceArea::paint(QPainter &painter) const
{
    if (hidden)
        return;
    if (fill.isValid())
        painter.fillRect(place, fill);
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;
    if (!picture.isNull()) {
        window->style()->drawItemPixmap(&painter, place, topLeft, picture);
    } else if (!caption.isEmpty()) {
        painter.setFont(window->font());
        window->style()->drawItemText(&painter, place, topLeft | Qt::TextForceLeftToRight,
                                      window->palette(), window->isEnabled(), caption,
                                      QPalette::WindowText);
    }
}
