#pragma once

#include <QRect>
#include <QtMath>

// Positions and sizes of the program's windows are kept in twips, 1/1440 of
// an inch. The program always takes a screen pixel as 15 twips, whatever the
// desktop's dots per inch, so that a ruler of 6000 twips covers 400 pixels.
namespace Twips {

constexpr double perPixel = 15.0;

inline int toPixels(double twips)
{
    return qRound(twips / perPixel);
}

inline double fromPixels(int pixels)
{
    return pixels * perPixel;
}

inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QRect rect(const QRect &twips)
{
    return rect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace Twips
