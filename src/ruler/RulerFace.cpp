#include "ruler/RulerFace.h"

#include "chrome/ToolLook.h"

#include <QImage>
#include <algorithm>
#include <cstring>

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

QPixmap horizontal()
{
    const QImage columns = strip();
    if (columns.width() != stripColumns)
        return QPixmap();
    QImage face(horizontalLength, columns.height(), QImage::Format_RGB32);
    const int last = horizontalLength - 1;
    for (int y = 0; y < face.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(columns.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(face.scanLine(y));
        to[0] = from[0];
        to[1] = from[1];
        std::fill(to + edgeColumns, to + last - 1, from[edgeColumns]);
        to[last - 1] = from[stripColumns - 2];
        to[last] = from[stripColumns - 1];
    }
    return QPixmap::fromImage(face);
}

// The upright face is the horizontal one turned over its diagonal: its
// rows are the strip's columns.
QPixmap vertical()
{
    const QImage columns = strip();
    if (columns.width() != stripColumns)
        return QPixmap();
    const int thickness = columns.height();
    QImage rows(thickness, stripColumns, QImage::Format_RGB32);
    for (int column = 0; column < stripColumns; ++column) {
        auto *row = reinterpret_cast<QRgb *>(rows.scanLine(column));
        for (int x = 0; x < thickness; ++x)
            row[x] = columns.pixel(column, x);
    }
    QImage face(thickness, verticalLength, QImage::Format_RGB32);
    const qsizetype rowBytes = thickness * qsizetype(sizeof(QRgb));
    for (int y = 0; y < verticalLength; ++y)
        std::memcpy(face.scanLine(y), rows.constScanLine(stripColumn(y, verticalLength)), rowBytes);
    return QPixmap::fromImage(face);
}

} // namespace RulerFace
