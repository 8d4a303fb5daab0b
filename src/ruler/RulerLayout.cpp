#include "ruler/RulerLayout.h"

#include "ruler/RulerDesign.h"
#include "window/Twips.h"

#include <iterator>

namespace {

using Control = RulerLayout::Control;

// The controls of each orientation, hidden in the other.
constexpr Control horizontalOnly[] = {RulerLayout::Image9,           RulerLayout::Label1,
                                      RulerLayout::Label2,           RulerLayout::Slider1,
                                      RulerLayout::chameleonButton1, RulerLayout::chameleonButton4};
constexpr Control verticalOnly[] = {RulerLayout::Image10,          RulerLayout::Label3,
                                    RulerLayout::Label4,           RulerLayout::Slider2,
                                    RulerLayout::chameleonButton2, RulerLayout::chameleonButton3};

QRect captionButtonAt(double leftTwips)
{
    using namespace RulerDesign;
    return Twips::rect(leftTwips, captionTop, captionPictureSize, captionPictureSize);
}

// Where the design puts each control, in twips, in the order of the
// controls. The caption buttons have no place of their own: they stand from
// the window's right edge, whatever its length.
constexpr QRect designTwips[] = {
    {0, 0, RulerDesign::startLength, RulerDesign::thickness},
    RulerDesign::Image9,
    RulerDesign::Image10,
    RulerDesign::Label1,
    RulerDesign::Label2,
    RulerDesign::Label3,
    RulerDesign::Label4,
    RulerDesign::Image1,
    RulerDesign::Image2,
    RulerDesign::Text1,
    RulerDesign::Text2,
    RulerDesign::Slider1,
    RulerDesign::Slider2,
    RulerDesign::chameleonButton1,
    RulerDesign::chameleonButton2,
    RulerDesign::chameleonButton3,
    RulerDesign::chameleonButton4,
};
// The three caption buttons close the list: every control before them has
// its place here.
constexpr int designedCount = RulerLayout::OnTopSwitch;
static_assert(std::size(designTwips) == designedCount &&
              designedCount + 3 == RulerLayout::controlCount);

// In pixels, converted once: the layout follows every step of a held slider.
const std::array<QRect, designedCount> &designPixels()
{
    static const std::array<QRect, designedCount> pixels = [] {
        std::array<QRect, designedCount> rects;
        for (int control = 0; control < designedCount; ++control)
            rects[control] = Twips::rect(designTwips[control]);
        return rects;
    }();
    return pixels;
}

} // namespace

QRect RulerLayout::atCreation(Control control)
{
    Q_ASSERT(control < designedCount);
    return designPixels()[control];
}

QSize RulerLayout::windowSize(Orientation orientation, double lengthTwips)
{
    const int length = Twips::toPixels(lengthTwips);
    const int thickness = Twips::toPixels(RulerDesign::thickness);
    return orientation == Orientation::Horizontal ? QSize(length, thickness)
                                                  : QSize(thickness, length);
}

RulerLayout::RulerLayout(Orientation orientation, const QSize &window, Moment moment)
{
    const std::array<QRect, designedCount> &design = designPixels();
    for (int control = 0; control < designedCount; ++control)
        places[control].rect = design[control];
    places[Form].rect = QRect(QPoint(), window);
    placeEdgeBars(window, moment);
    placeCaptionButtons(window.width());
    showOrientation(orientation);
}

// The bars run the window's whole length on either side of its face. The
// vertical ruler is never resized across, so its right bar is only ever
// placed by the turn, flush with the edge.
void RulerLayout::placeEdgeBars(const QSize &window, Moment moment)
{
    using namespace RulerDesign;
    const double heightTwips = Twips::fromPixels(window.height());
    const double inset = moment == Turned ? barInsetAfterTurn : 0;
    places[Label1].rect.setWidth(window.width());
    places[Label2].rect.setWidth(window.width());
    places[Label2].rect.moveTop(Twips::toPixels(heightTwips - edgeBarHeight - inset));
    places[Label3].rect.setHeight(window.height());
    places[Label4].rect.setHeight(window.height());
    places[Label4].rect.moveLeft(
        Twips::toPixels(Twips::fromPixels(window.width()) - rightBarWidth));
}

// From the right edge: the close button a margin in, the minimise button
// touching its left side, the on-top switch touching the minimise button's.
// On a very short ruler they run past the left edge and are cut off there.
void RulerLayout::placeCaptionButtons(int windowWidth)
{
    using namespace RulerDesign;
    const double closeLeft = Twips::fromPixels(windowWidth) - captionPictureSize - captionMargin;
    places[CloseButton].rect = captionButtonAt(closeLeft);
    places[MinimizeButton].rect = captionButtonAt(closeLeft - captionPictureSize);
    places[OnTopSwitch].rect = captionButtonAt(closeLeft - 2 * captionPictureSize);
}

// The title images are always shown: each lies beyond the other
// orientation's window.
void RulerLayout::showOrientation(Orientation orientation)
{
    const bool horizontal = orientation == Orientation::Horizontal;
    for (Control control : horizontalOnly)
        places[control].shown = horizontal;
    for (Control control : verticalOnly)
        places[control].shown = !horizontal;
}
