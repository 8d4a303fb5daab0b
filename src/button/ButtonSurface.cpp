#include "button/ButtonSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

ButtonSurface::ButtonSurface(QImage &image) : mImage(image) {}

QRgb ButtonSurface::rgbOf(qint32 colour)
{
    const quint32 value = static_cast<quint32>(colour);
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void ButtonSurface::fillBox(int x, int y, int w, int h, qint32 colour)
{
    const QRgb rgb = rgbOf(colour);
    for (int row = y; row < y + h; ++row)
        fillSpan(x, x + w - 1, row, rgb);
}

void ButtonSurface::frameBox(int x, int y, int w, int h, qint32 colour)
{
    if (w <= 0 || h <= 0)
        return;
    fillBox(x, y, w, 1, colour);
    fillBox(x, y + h - 1, w, 1, colour);
    fillBox(x, y, 1, h, colour);
    fillBox(x + w - 1, y, 1, h, colour);
}

// A line drawn towards smaller coordinates covers its start point and stops
// one short of its end, like one drawn the other way.
void ButtonSurface::line(int x1, int y1, int x2, int y2, qint32 colour)
{
    if (y1 == y2) {
        const int first = x2 >= x1 ? x1 : x2 + 1;
        const int last = x2 >= x1 ? x2 - 1 : x1;
        fillSpan(first, last, y1, rgbOf(colour));
        return;
    }
    const int first = y2 >= y1 ? y1 : y2 + 1;
    const int last = y2 >= y1 ? y2 - 1 : y1;
    fillBox(x1, first, 1, last - first + 1, colour);
}

void ButtonSurface::pixel(int x, int y, qint32 colour)
{
    fillSpan(x, x, y, rgbOf(colour));
}

void ButtonSurface::caption(const QString &text, const QRect &area, qint32 colour,
                            const QFont &font)
{
    if (text.isEmpty() || area.isEmpty())
        return;
    QPainter painter(&mImage);
    painter.setFont(font);
    painter.setPen(QColor(rgbOf(colour)));
    painter.setClipRect(area);
    painter.drawText(
        area, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic,
        text);
}

void ButtonSurface::focusRect(const QRect &area)
{
    if (area.isEmpty())
        return;
    for (int x = area.left(); x <= area.right(); ++x) {
        invert(x, area.top());
        if (area.bottom() != area.top())
            invert(x, area.bottom());
    }
    for (int y = area.top() + 1; y < area.bottom(); ++y) {
        invert(area.left(), y);
        if (area.right() != area.left())
            invert(area.right(), y);
    }
}

QSizeF ButtonSurface::textSize(const QString &text, const QFont &font) const
{
    const QFontMetricsF metrics(font, &mImage);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height());
}

void ButtonSurface::fillSpan(int x1, int x2, int y, QRgb rgb)
{
    if (y < 0 || y >= mImage.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, mImage.width() - 1);
    if (x1 > x2)
        return;
    QRgb *row = reinterpret_cast<QRgb *>(mImage.scanLine(y));
    std::fill(row + x1, row + x2 + 1, rgb);
}

// The dots follow a checkerboard fixed to the surface, so an outline drawn
// twice restores every pixel.
void ButtonSurface::invert(int x, int y)
{
    if ((x + y) % 2 != 0 || x < 0 || y < 0 || x >= mImage.width() || y >= mImage.height())
        return;
    QRgb *row = reinterpret_cast<QRgb *>(mImage.scanLine(y));
    row[x] = row[x] ^ 0x00FFFFFF;
}
