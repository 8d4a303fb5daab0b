#pragma once

#include <QPoint>
#include <QtGlobal>

// Reads the pointer and the screen. Coordinates are screen pixels counted
// from the primary monitor's top-left corner, negative left of or above it.
// Every call reads the pointer and the pixel anew.
class ScreenSampler
{
public:
    virtual ~ScreenSampler() = default;

    virtual QPoint pointerPosition() = 0;
    // The pixel as red + 256 * green + 65536 * blue, or -1 when it cannot be read.
    virtual qint32 pixelColor(QPoint screenPoint) = 0;
    // False where the desktop lets no program read the screen: then every
    // pixel is -1 and only the desktop's own colour picker can help.
    virtual bool canReadScreen() = 0;

    // The pointer and the pixel under it, read one after the other.
    struct Sample
    {
        QPoint pointer;
        qint32 color = -1;
    };
    virtual Sample pointerAndPixel()
    {
        const QPoint pointer = pointerPosition();
        return {pointer, pixelColor(pointer)};
    }
};
