#pragma once

#include <QRect>

// The ruler as it is designed, in twips: where each control stands at
// creation (left, top, width, height), and the sizes the layout rules depend
// on. RulerLayout places the controls from them, in pixels.
namespace RulerDesign {

// The strip's thickness either way, and the length both orientations start at.
constexpr int thickness = 1260;
constexpr int startLength = 6000;
constexpr int edgeBarHeight = 100;      // Label1, Label2
constexpr int sideBarWidth = 100;       // Label3
constexpr int rightBarWidth = 105;      // Label4
constexpr int captionPictureSize = 315; // 21 pixels
// Between the close button and the window's right edge.
constexpr int captionMargin = 100;
constexpr int captionTop = 60;
// Right after a turn the new orientation's far edge bar stands this far in
// from the window's edge; the next resize puts it flush.
constexpr int barInsetAfterTurn = 40;
// What one press of an arrow button moves the window by.
constexpr int nudgeStep = 10;

constexpr QRect Label1{0, 0, startLength, edgeBarHeight};
constexpr QRect Label2{0, 1140, startLength, edgeBarHeight};
constexpr QRect Label3{0, 0, sideBarWidth, 1215};
constexpr QRect Label4{1200, 0, rightBarWidth, 1215};
constexpr QRect Image9{0, 100, 24000, 1050};
constexpr QRect Image10{100, 0, 1050, 18000};
constexpr QRect Image1{2250, 180, 1470, 510};
constexpr QRect Image2{600, 2407, 510, 1470};
constexpr QRect Text1{120, 380, 500, 285};
constexpr QRect Text2{615, 380, 500, 285};
constexpr QRect Slider1{743, 700, 4485, 375};
constexpr QRect Slider2{200, 840, 375, 4605};
constexpr QRect chameleonButton1{120, 750, 270, 270};
constexpr QRect chameleonButton2{720, 752, 275, 275};
constexpr QRect chameleonButton3{720, 1020, 270, 270};
constexpr QRect chameleonButton4{390, 750, 270, 270};
// The arrows' symbol font size, in points.
constexpr int arrowPoints = 9;

// The sliders' ranges and steps (arrow keys, page keys).
constexpr int shortestLength = 480;
constexpr int longestHorizontal = 24000;
constexpr int longestVertical = 18000;
constexpr int sliderStep = 1;
constexpr int sliderPageStep = 2;

// Milliseconds: the slider timers ask for the fastest timer there is; the
// menu captions change once a second. A length the window manager does not
// give within sizeWaitInterval is taken as refused.
constexpr int followInterval = 1;
constexpr int captionInterval = 1000;
constexpr int sizeWaitInterval = 100;

} // namespace RulerDesign
