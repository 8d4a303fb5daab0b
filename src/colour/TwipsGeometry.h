#pragma once

#include <QRect>
#include <QtMath>

// The windows are laid out in twips; the windowing system keeps whole pixels
// at 15 twips each.
namespace TwipsGeometry {

constexpr double twipsPerPixel = 15.0;

inline int pixels(int twips)
{
    return qRound(twips / twipsPerPixel);
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace TwipsGeometry
