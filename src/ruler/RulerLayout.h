#pragma once

#include "ruler/Orientation.h"

#include <QRect>
#include <QSize>
#include <array>

// Where every control of the ruler stands and whether it is shown, in the
// window's pixels, for either orientation and any window size. The window
// creates its controls where atCreation puts them, and applies a layout
// after a turn and after every change of its size: the face's areas and the
// caption buttons move with the size, the readouts, sliders and arrow
// buttons stay where they were created and are shown or hidden by the
// orientation. The design's places and sizes, in twips, are in RulerDesign.
class RulerLayout
{
public:
    // The face's areas first, from the bottom (the window's own background,
    // Form, lowest), then the controls lying on them.
    enum Control {
        Form,
        Image9,
        Image10,
        Label1,
        Label2,
        Label3,
        Label4,
        Image1,
        Image2,
        Text1,
        Text2,
        Slider1,
        Slider2,
        chameleonButton1,
        chameleonButton2,
        chameleonButton3,
        chameleonButton4,
        OnTopSwitch,
        MinimizeButton,
        CloseButton,
    };
    static constexpr int faceAreaCount = Image2 + 1;
    static constexpr int controlCount = CloseButton + 1;

    // Right after a turn the bottom edge bar stands a little above the
    // window's bottom; the next change of size puts it flush.
    enum Moment { Turned, Resized };

    RulerLayout(Orientation orientation, const QSize &window, Moment moment);

    QRect rect(Control control) const { return places[control].rect; }
    bool isShown(Control control) const { return places[control].shown; }

    // Where a control stands when the window is created: any but the
    // caption buttons, which only a layout places.
    static QRect atCreation(Control control);
    // The window's size for a ruler of that length, in pixels.
    static QSize windowSize(Orientation orientation, double lengthTwips);

private:
    struct Place
    {
        QRect rect;
        bool shown = true;
    };

    void placeEdgeBars(const QSize &window, Moment moment);
    void placeCaptionButtons(int windowWidth);
    void showOrientation(Orientation orientation);

    std::array<Place, controlCount> places;
};
