#include "window/WindowPlacing.h"

#include "window/OuterRect.h"
#include "window/PlacedEdge.h"
#include "window/Twips.h"

#include <cmath>

namespace WindowPlacing {
namespace {

// X keeps window positions in 16 bits; a stored edge beyond that is no place
// a window can be, and would overflow the pixel arithmetic.
constexpr double farthestPixel = 32767.0;

std::optional<int> pixelOf(std::optional<float> twips)
{
    if (!twips)
        return std::nullopt;
    const double pixel = std::round(double(*twips) / Twips::perPixel);
    if (std::fabs(pixel) > farthestPixel)
        return std::nullopt;
    return int(pixel);
}

} // namespace

void restore(QWidget *window, std::optional<float> leftTwips, std::optional<float> topTwips,
             const QWidget *clearOf)
{
    PlacedEdge::apply(window, pixelOf(leftTwips), pixelOf(topTwips), clearOf);
}

QPointF place(const QWidget *window)
{
    const QPoint place = outerPlace(window);
    return {Twips::fromPixels(place.x()), Twips::fromPixels(place.y())};
}

} // namespace WindowPlacing
