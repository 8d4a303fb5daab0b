#pragma once

#include <QPixmap>

// The ruler's faces: a bevelled beige strip 70 pixels thick whose columns
// are all alike but for the two at either end. They are built from a strip
// of those five columns rather than decoded whole.
namespace RulerFace {

// 1600 x 70: the face of the horizontal ruler at its longest.
QPixmap horizontal();
// 70 x 1200: the same face upright, light at the left and top.
QPixmap vertical();

} // namespace RulerFace
