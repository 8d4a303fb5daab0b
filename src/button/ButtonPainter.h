#pragma once

#include "button/ButtonLook.h"
#include "button/ButtonSurface.h"

#include <QImage>

// Draws a whole button from nothing: face, edges, caption and focus cue of
// one of seven styles, released, pressed or disabled. The picture is resized
// to the button; a button without height or width is not drawn.
class ButtonPainter
{
public:
    static void paint(QImage &image, const ButtonLook &look, quint8 state);

private:
    enum class Appearance { Up, Pressed, Disabled };

    ButtonPainter(QImage &image, const ButtonLook &look);
    void drawStyle(Appearance appearance);

    void text(const QRect &area, qint32 colour);
    void embossedCaption();
    void plainCaption(Appearance appearance);
    void focusCue();

    void framedBevel(Appearance appearance);
    void classic3D(Appearance appearance);
    void classicUp();
    void classicDefaultUp();
    void classicPressed();
    void gradientRounded(Appearance appearance);
    void gradient(int firstRow, int ka, int kb);
    void roundedOutline();
    void darkCorners();
    void rounded3D(Appearance appearance);
    void roundedUp(Appearance appearance);
    void roundedPressed();
    void etchedBold(Appearance appearance);
    void etchedUp();
    void etchedPressed();
    void captionBox();
    void flatDoubleEdge(Appearance appearance);
    void thinBevel(Appearance appearance);

    ButtonSurface mSurface;
    const ButtonLook &mLook;
    QFont mFont;
    const int W;
    const int H;
};
