#pragma once

#include <QPoint>
#include <QtGlobal>

// Reads the pointer and the screen. Coordinates are pixels of the whole X
// screen, origin at its top-left corner. Nothing is cached between calls.
class ScreenSampler
{
public:
    virtual ~ScreenSampler() = default;

    virtual QPoint PointerPosition() = 0;
    // The pixel as red + 256 * green + 65536 * blue, or -1 when it cannot be read.
    virtual qint32 PixelColor(QPoint screenPoint) = 0;
};
