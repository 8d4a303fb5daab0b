#include "button/ButtonPalette.h"

#include <QPalette>

namespace {

qint32 valueOf(const QPalette &desktop, QPalette::ColorRole role)
{
    const QColor colour = desktop.color(QPalette::Active, role);
    return colourValue(colour.red(), colour.green(), colour.blue());
}

} // namespace

ButtonPalette ButtonPalette::standard()
{
    ButtonPalette palette;
    palette.Face = colourValue(192, 192, 192);
    palette.Shadow = colourValue(128, 128, 128);
    palette.Light = colourValue(223, 223, 223);
    palette.DarkShadow = colourValue(0, 0, 0);
    palette.Highlight = colourValue(255, 255, 255);
    palette.TextColour = colourValue(0, 0, 192);
    return palette;
}

// Button face, shadow, 3-D light, dark shadow, highlight and button text of
// the desktop scheme, in the roles a Qt palette gives them.
ButtonPalette ButtonPalette::system(const QPalette &desktop)
{
    ButtonPalette palette;
    palette.Face = valueOf(desktop, QPalette::Button);
    palette.Shadow = valueOf(desktop, QPalette::Dark);
    palette.Light = valueOf(desktop, QPalette::Midlight);
    palette.DarkShadow = valueOf(desktop, QPalette::Shadow);
    palette.Highlight = valueOf(desktop, QPalette::Light);
    palette.TextColour = valueOf(desktop, QPalette::ButtonText);
    return palette;
}
