#pragma once

#include <QRegion>

// The window outline of a button of the given style and size: its rectangle
// with the style's corner pixels cut away. Unknown styles keep the rectangle.
QRegion BuildRegion(qint32 buttonType, int W, int H);
