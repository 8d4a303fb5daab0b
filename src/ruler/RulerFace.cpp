#include "ruler/RulerFace.h"

#include "chrome/ToolLook.h"

#include <QImage>

namespace RulerFace {
namespace {

constexpr int horizontalLength = 1600;
constexpr int verticalLength = 1200;
// The strip's columns: two of the light edge, the one repeated along the
// face, two of the dark edge.
constexpr int edgeColumns = 2;
constexpr int stripColumns = 2 * edgeColumns + 1;

QImage strip()
{
    return ToolLook::assetImage("ruler_face_strip").convertToFormat(QImage::Format_RGB32);
}

// Which of the strip's columns stands at position along a face of length.
int stripColumn(int position, int length)
{
    if (position < edgeColumns)
        return position;
    if (position >= length - edgeColumns)
        return stripColumns - (length - position);
    return edgeColumns;
}

} // namespace

QPixmap Horizontal()
{
    const QImage columns = strip();
    if (columns.width() != stripColumns)
        return QPixmap();
    QImage face(horizontalLength, columns.height(), QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(columns.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            to[x] = from[stripColumn(x, face.width())];
    }
    return QPixmap::fromImage(face);
}

// The upright face is the horizontal one turned over its diagonal: its
// rows are the strip's columns.
QPixmap Vertical()
{
    const QImage columns = strip();
    if (columns.width() != stripColumns)
        return QPixmap();
    QImage face(columns.height(), verticalLength, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        const int column = stripColumn(y, face.height());
        auto *to = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            to[x] = columns.pixel(column, x);
    }
    return QPixmap::fromImage(face);
}

} // namespace RulerFace
