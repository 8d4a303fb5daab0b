#pragma once

#include "button/ButtonPalette.h"

#include <QFont>
#include <QRect>
#include <QString>

// The visual states a button is drawn in; the painter accepts any other
// number and then draws the face only.
namespace ButtonState {
constexpr quint8 Up = 0;
constexpr quint8 Pressed = 2;
} // namespace ButtonState

// The seven drawing styles, by their ButtonType numbers; any other number
// draws the face alone.
namespace ButtonStyle {
enum : qint32 {
    FramedBevel = 1,
    Classic3D,
    GradientRounded,
    Rounded3D,
    EtchedBold,
    FlatDoubleEdge,
    ThinBevel,
};
} // namespace ButtonStyle

// Everything the painter needs to draw one button, with no window behind it.
struct ButtonLook
{
    qint32 W = 0;
    qint32 H = 0;
    qint32 ButtonType = ButtonStyle::Classic3D;
    QString Caption;
    bool Enabled = true;
    bool HasFocus = false;
    // The host's wish to show this control as its default button.
    bool displayAsDefault = false;
    ButtonPalette Palette;
    QFont Font;
    QRect TextRect;
    QRect PressedTextRect{2, 2, 0, 0};
    QRect FocusRect;

    // Takes a new inner size and moves the caption and focus areas with it.
    void setSize(qint32 width, qint32 height);
};
