#pragma once

#include <QtGlobal>

class QPalette;

// A colour value: red + 256 * green + 65536 * blue.
constexpr qint32 colourValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// The amount that changes all three colour bytes by n at once. Adding or
// subtracting it is one integer operation: a byte leaving 0..255 borrows
// from, or carries into, its neighbour.
constexpr qint32 greyStep(int n)
{
    return n * 0x010101;
}

// The six colours a button is drawn with.
struct ButtonPalette
{
    qint32 Face = 0;
    qint32 Light = 0;
    qint32 Highlight = 0;
    qint32 Shadow = 0;
    qint32 DarkShadow = 0;
    qint32 TextColour = 0;

    // The fixed colours of a button that ignores the desktop scheme; its
    // caption is dark blue.
    static ButtonPalette standard();
    // The desktop's button colours as they are at the moment of the call.
    static ButtonPalette system(const QPalette &desktop);
};
