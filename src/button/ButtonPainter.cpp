#include "button/ButtonPainter.h"

#include <cmath>

namespace {

// Nearest integer, ties to even.
int nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

void ButtonPainter::paint(QImage &image, const ButtonLook &look, quint8 state)
{
    if (look.W <= 0 || look.H <= 0)
        return;
    if (image.size() != QSize(look.W, look.H) || image.format() != QImage::Format_RGB32)
        image = QImage(look.W, look.H, QImage::Format_RGB32);
    ButtonPainter painter(image, look);
    // The face covers the whole surface, which clears whatever was there.
    painter.mSurface.fillBox(0, 0, look.W, look.H, look.Palette.Face);
    if (!look.Enabled)
        painter.drawStyle(Appearance::Disabled);
    else if (state == ButtonState::Up)
        painter.drawStyle(Appearance::Up);
    else if (state == ButtonState::Pressed)
        painter.drawStyle(Appearance::Pressed);
}

ButtonPainter::ButtonPainter(QImage &image, const ButtonLook &look)
    : mSurface(image), mLook(look), mFont(look.Font), W(look.W), H(look.H)
{
}

void ButtonPainter::drawStyle(Appearance appearance)
{
    switch (mLook.ButtonType) {
    case ButtonStyle::FramedBevel:
        return framedBevel(appearance);
    case ButtonStyle::Classic3D:
        return classic3D(appearance);
    case ButtonStyle::GradientRounded:
        return gradientRounded(appearance);
    case ButtonStyle::Rounded3D:
        return rounded3D(appearance);
    case ButtonStyle::EtchedBold:
        return etchedBold(appearance);
    case ButtonStyle::FlatDoubleEdge:
        return flatDoubleEdge(appearance);
    case ButtonStyle::ThinBevel:
        return thinBevel(appearance);
    default:
        return;
    }
}

void ButtonPainter::text(const QRect &area, qint32 colour)
{
    mSurface.caption(mLook.Caption, area, colour, mFont);
}

void ButtonPainter::embossedCaption()
{
    text(mLook.PressedTextRect, mLook.Palette.Highlight);
    text(mLook.TextRect, mLook.Palette.Shadow);
}

void ButtonPainter::plainCaption(Appearance appearance)
{
    if (appearance == Appearance::Disabled)
        embossedCaption();
    else if (appearance == Appearance::Pressed)
        text(mLook.PressedTextRect, mLook.Palette.TextColour);
    else
        text(mLook.TextRect, mLook.Palette.TextColour);
}

void ButtonPainter::focusCue()
{
    if (mLook.HasFocus)
        mSurface.focusRect(mLook.FocusRect);
}

void ButtonPainter::framedBevel(Appearance appearance)
{
    const ButtonPalette &p = mLook.Palette;
    const bool pressed = appearance == Appearance::Pressed;
    plainCaption(appearance);
    mSurface.line(1, 0, W - 1, 0, p.DarkShadow);
    mSurface.line(1, H - 1, W - 1, H - 1, p.DarkShadow);
    mSurface.line(0, 1, 0, H - 1, p.DarkShadow);
    mSurface.line(W - 1, 1, W - 1, H - 1, p.DarkShadow);
    const qint32 light = pressed ? p.Shadow : p.Highlight;
    mSurface.frameBox(1, 1, W - 2, H - 2, light);
    mSurface.frameBox(2, 2, W - 4, H - 4, light);
    const qint32 dark = pressed ? p.Highlight : p.Shadow;
    mSurface.line(W - 2, 1, W - 2, H - 1, dark);
    mSurface.line(W - 3, 2, W - 3, H - 1, dark);
    mSurface.line(1, H - 2, W - 1, H - 2, dark);
    mSurface.line(2, H - 3, W - 2, H - 3, dark);
    if (appearance != Appearance::Disabled)
        focusCue();
}

void ButtonPainter::classic3D(Appearance appearance)
{
    if (appearance == Appearance::Pressed)
        return classicPressed();
    if (appearance == Appearance::Up && mLook.displayAsDefault)
        return classicDefaultUp();
    if (appearance == Appearance::Disabled)
        embossedCaption();
    else
        text(mLook.TextRect, mLook.Palette.TextColour);
    classicUp();
}

// The released edges of a button that is not the host's default; the
// disabled look shares them.
void ButtonPainter::classicUp()
{
    const ButtonPalette &p = mLook.Palette;
    mSurface.frameBox(0, 0, W - 1, H - 1, p.Highlight);
    mSurface.frameBox(1, 1, W - 2, H - 2, p.Light);
    mSurface.line(W - 1, 0, W - 1, H, p.DarkShadow);
    mSurface.line(W - 2, 1, W - 2, H - 1, p.Shadow);
    mSurface.line(0, H - 1, W - 1, H - 1, p.DarkShadow);
    mSurface.line(1, H - 2, W - 2, H - 2, p.Shadow);
}

void ButtonPainter::classicDefaultUp()
{
    const ButtonPalette &p = mLook.Palette;
    text(mLook.TextRect, p.TextColour);
    mSurface.frameBox(1, 1, W - 2, H - 2, p.Highlight);
    mSurface.frameBox(2, 2, W - 4, H - 4, p.Light);
    mSurface.line(W - 2, 1, W - 2, H - 1, p.DarkShadow);
    mSurface.line(W - 3, 2, W - 3, H - 1, p.Shadow);
    mSurface.line(1, H - 2, W - 1, H - 2, p.DarkShadow);
    mSurface.line(2, H - 3, W - 2, H - 3, p.Shadow);
    focusCue();
    mSurface.frameBox(0, 0, W, H, p.DarkShadow);
}

void ButtonPainter::classicPressed()
{
    const ButtonPalette &p = mLook.Palette;
    text(mLook.PressedTextRect, p.TextColour);
    mSurface.frameBox(0, 0, W, H, p.DarkShadow);
    mSurface.frameBox(1, 1, W - 2, H - 2, p.Shadow);
    focusCue();
}

void ButtonPainter::gradientRounded(Appearance appearance)
{
    struct Colours
    {
        int firstRow, ka, kb;
        qint32 a, b, c, d;
    };
    static const Colours up{1,
                            75,
                            50,
                            colourValue(140, 174, 231),
                            colourValue(107, 130, 239),
                            colourValue(206, 231, 255),
                            colourValue(189, 215, 247)};
    static const Colours pressed{3,
                                 85,
                                 60,
                                 colourValue(255, 178, 49),
                                 colourValue(231, 150, 0),
                                 colourValue(255, 243, 206),
                                 colourValue(255, 219, 140)};
    static const Colours disabled{1,
                                  60,
                                  40,
                                  colourValue(153, 186, 253),
                                  colourValue(113, 138, 254),
                                  colourValue(208, 234, 255),
                                  colourValue(191, 217, 250)};
    const Colours &k = appearance == Appearance::Up        ? up
                       : appearance == Appearance::Pressed ? pressed
                                                           : disabled;
    gradient(k.firstRow, k.ka, k.kb);
    plainCaption(appearance);
    const qint32 outline = colourValue(0, 60, 115);
    mSurface.line(2, 0, W - 2, 0, outline);
    mSurface.line(2, H - 1, W - 2, H - 1, outline);
    mSurface.line(0, 2, 0, H - 2, outline);
    mSurface.line(W - 1, 2, W - 1, H - 2, outline);
    const qint32 corner = colourValue(16, 77, 123);
    mSurface.pixel(1, 1, corner);
    mSurface.pixel(1, H - 2, corner);
    mSurface.pixel(W - 2, 1, corner);
    mSurface.pixel(W - 2, H - 2, corner);
    mSurface.frameBox(1, 2, W - 2, H - 4, k.a);
    mSurface.line(2, H - 2, W - 2, H - 2, k.b);
    mSurface.line(2, 1, W - 2, 1, k.c);
    mSurface.line(1, 2, W - 1, 2, k.d);
    // The two inner side lines alone were too faint a focus cue to find the
    // focus by: a focused button also shows the focus rectangle inside them.
    if (appearance != Appearance::Disabled)
        focusCue();
    const bool sides =
        appearance == Appearance::Pressed || (appearance == Appearance::Up && mLook.HasFocus);
    if (!sides)
        return;
    const qint32 side =
        appearance == Appearance::Pressed ? colourValue(255, 203, 107) : colourValue(255, 255, 255);
    mSurface.line(2, 3, 2, H - 3, side);
    mSurface.line(W - 3, 3, W - 3, H - 3, side);
}

// Row H lies below the surface; drawing it changes nothing.
void ButtonPainter::gradient(int firstRow, int ka, int kb)
{
    const float qa = static_cast<float>(ka) / static_cast<float>(H);
    const float qb = static_cast<float>(kb) / static_cast<float>(H);
    for (int i = firstRow; i <= H; ++i) {
        const int a = nearest(static_cast<double>(qa) * i);
        const int b = nearest(static_cast<double>(qb) * i);
        mSurface.line(0, i, W, i, colourValue(255 - a, 255 - a, 255 - b));
    }
}

void ButtonPainter::roundedOutline()
{
    const qint32 dark = mLook.Palette.DarkShadow;
    mSurface.line(2, 0, W - 2, 0, dark);
    mSurface.line(2, H - 1, W - 2, H - 1, dark);
    mSurface.line(0, 2, 0, H - 2, dark);
    mSurface.line(W - 1, 2, W - 1, H - 2, dark);
}

void ButtonPainter::darkCorners()
{
    for (const QPoint &corner :
         {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        mSurface.pixel(corner.x(), corner.y(), mLook.Palette.DarkShadow);
}

void ButtonPainter::rounded3D(Appearance appearance)
{
    if (appearance == Appearance::Pressed)
        roundedPressed();
    else
        roundedUp(appearance);
}

void ButtonPainter::roundedUp(Appearance appearance)
{
    const ButtonPalette &p = mLook.Palette;
    mSurface.fillBox(1, 1, W - 2, H - 2, p.Light);
    if (appearance == Appearance::Disabled)
        embossedCaption();
    else
        text(mLook.TextRect, p.TextColour);
    roundedOutline();
    darkCorners();
    mSurface.pixel(1, 2, p.Face);
    mSurface.pixel(2, 1, p.Face);
    mSurface.line(3, 2, W - 3, 2, p.Highlight);
    mSurface.line(2, 2, 2, H - 3, p.Highlight);
    mSurface.pixel(3, 3, p.Highlight);
    mSurface.line(W - 3, 1, W - 3, H - 3, p.Face);
    mSurface.line(1, H - 3, W - 3, H - 3, p.Face);
    mSurface.pixel(W - 4, H - 4, p.Face);
    mSurface.line(W - 2, 3, W - 2, H - 2, p.Shadow);
    mSurface.line(3, H - 2, W - 2, H - 2, p.Shadow);
    mSurface.pixel(W - 3, H - 3, p.Shadow);
    mSurface.pixel(2, H - 2, p.Face);
    mSurface.pixel(2, H - 3, p.Light);
    mSurface.pixel(W - 2, 2, p.Face);
    mSurface.pixel(W - 3, 2, p.Light);
}

void ButtonPainter::roundedPressed()
{
    const ButtonPalette &p = mLook.Palette;
    const qint32 s = p.Shadow;
    const qint32 s15 = s - greyStep(15);
    const qint32 s32 = s - greyStep(32);
    const qint32 s64 = s - greyStep(64);
    mSurface.fillBox(1, 1, W - 2, H - 2, s15);
    text(mLook.PressedTextRect, p.Light);
    roundedOutline();
    mSurface.frameBox(1, 1, W - 2, H - 2, s64);
    mSurface.frameBox(2, 2, W - 4, H - 4, s32);
    mSurface.pixel(2, 2, s64);
    mSurface.pixel(3, 3, s32);
    darkCorners();
    mSurface.line(W - 3, 1, W - 3, H - 3, s);
    mSurface.line(1, H - 3, W - 2, H - 3, s);
    mSurface.pixel(W - 4, H - 4, s);
    mSurface.line(W - 2, 3, W - 2, H - 2, s15);
    mSurface.line(3, H - 2, W - 2, H - 2, s15);
    mSurface.pixel(W - 2, H - 3, s32);
    mSurface.pixel(W - 3, H - 2, s32);
    mSurface.pixel(2, H - 2, s32);
    mSurface.pixel(2, H - 3, s15);
    mSurface.pixel(1, H - 3, s15);
    mSurface.pixel(W - 2, 2, s32);
    mSurface.pixel(W - 3, 2, s15);
    mSurface.pixel(W - 3, 1, s15);
}

// The caption of this style is always bold; the font of the look itself
// keeps its own weight.
void ButtonPainter::etchedBold(Appearance appearance)
{
    mFont.setBold(true);
    if (appearance == Appearance::Up) {
        etchedUp();
    } else if (appearance == Appearance::Pressed) {
        etchedPressed();
    } else {
        text(mLook.TextRect, mLook.Palette.Shadow);
        mSurface.frameBox(0, 0, W, H, mLook.Palette.Shadow);
    }
    mFont = mLook.Font;
}

void ButtonPainter::etchedUp()
{
    const ButtonPalette &p = mLook.Palette;
    mSurface.fillBox(1, 1, W - 1, H - 1, p.Face + greyStep(12));
    text(mLook.TextRect, p.TextColour);
    mSurface.frameBox(1, 1, W - 1, H - 1, p.Highlight);
    mSurface.frameBox(0, 0, W - 1, H - 1, p.Shadow - greyStep(26));
    mSurface.pixel(1, H - 2, p.Shadow + greyStep(26));
    mSurface.pixel(W - 2, 1, p.Shadow + greyStep(26));
    if (mLook.HasFocus)
        captionBox();
}

void ButtonPainter::etchedPressed()
{
    const ButtonPalette &p = mLook.Palette;
    mSurface.fillBox(1, 1, W - 2, H - 2, p.Shadow + greyStep(16));
    mSurface.frameBox(0, 0, W - 1, H - 1, p.Shadow);
    mSurface.line(W - 2, 0, W - 2, H - 1, p.Highlight);
    mSurface.line(0, H - 2, W - 2, H - 2, p.Highlight);
    text(mLook.TextRect, p.TextColour);
    if (mLook.HasFocus)
        captionBox();
}

// A frame around the caption as measured with its ampersands, in the bold
// font it is drawn with.
void ButtonPainter::captionBox()
{
    const QSizeF size = mSurface.textSize(mLook.Caption, mFont);
    const double tw = size.width();
    const double th = size.height();
    const int x = nearest(W - tw) / 2 - 3;
    const int y = nearest(H - th) / 2 - 1;
    mSurface.frameBox(x, y, nearest(tw + 6), nearest(th + 2), colourValue(153, 153, 204));
}

void ButtonPainter::flatDoubleEdge(Appearance appearance)
{
    const ButtonPalette &p = mLook.Palette;
    if (appearance == Appearance::Disabled)
        text(mLook.TextRect, p.Shadow);
    else
        plainCaption(appearance);
    const qint32 light = appearance == Appearance::Up        ? p.Light + greyStep(8)
                         : appearance == Appearance::Pressed ? p.Shadow
                                                             : p.Light;
    mSurface.frameBox(0, 0, W, H, light);
    mSurface.frameBox(1, 1, W - 2, H - 2, light);
    const qint32 dark = appearance == Appearance::Pressed ? p.Light + greyStep(8) : p.Shadow;
    mSurface.line(W - 1, 0, W - 1, H, dark);
    mSurface.line(W - 2, 1, W - 2, H - 1, dark);
    mSurface.line(0, H - 1, W, H - 1, dark);
    mSurface.line(1, H - 2, W - 1, H - 2, dark);
    if (appearance != Appearance::Disabled)
        focusCue();
}

void ButtonPainter::thinBevel(Appearance appearance)
{
    const ButtonPalette &p = mLook.Palette;
    const bool pressed = appearance == Appearance::Pressed;
    plainCaption(appearance);
    mSurface.frameBox(0, 0, W - 1, H - 1, pressed ? p.Shadow : p.Highlight);
    const qint32 dark = pressed ? p.Highlight : p.Shadow;
    mSurface.line(W - 2, 0, W - 2, H - 1, dark);
    mSurface.line(0, H - 2, W - 2, H - 2, dark);
    if (appearance != Appearance::Disabled)
        focusCue();
}
