#include "button/ButtonOutline.h"

#include "button/ButtonLook.h"

#include <QList>
#include <QPoint>

namespace {

QList<QPoint> cornersOf(qint32 buttonType, int W, int H)
{
    switch (buttonType) {
    case ButtonStyle::FramedBevel:
        return {{0, 0}, {0, H - 1}, {W - 1, 0}, {W - 1, H - 1}};
    case ButtonStyle::GradientRounded:
    case ButtonStyle::Rounded3D:
        return {{0, 0},     {1, 0},     {0, 1},     {0, H - 1},     {1, H - 1},     {0, H - 2},
                {W - 2, 0}, {W - 1, 0}, {W - 1, 1}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
    case ButtonStyle::EtchedBold:
        return {{0, H - 1}, {W - 1, 0}};
    default:
        return {};
    }
}

} // namespace

QRegion BuildRegion(qint32 buttonType, int W, int H)
{
    QRegion region(0, 0, W, H);
    for (const QPoint &corner : cornersOf(buttonType, W, H))
        region -= QRegion(corner.x(), corner.y(), 1, 1);
    return region;
}
