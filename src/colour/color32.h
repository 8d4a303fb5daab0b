#pragma once

#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <array>

class QLabel;

// Colour arithmetic and screen sampling of the colour tools. A colour value
// is red + 256 * green + 65536 * blue (red in the low byte); a pixel that
// cannot be read is -1. The notation routines are pure; the sampling
// routines ask the screen sampler anew on every call.
namespace color32 {

// The sixteen colours the "QB Color" readout names by index.
const std::array<qint32, 16> &palette();

qint32 colorValue(int red, int green, int blue);

// "255", "-1".
QString decimalText(qint32 value);
// Uppercase, without leading zeros; a negative value as its eight-digit
// two's complement.
QString hexText(qint32 value);
// Zeros in front of a text of one to five characters, up to six.
QString PadHex6(const QString &text);
// BBGGRR becomes RRGGBB; a lone "0" becomes "000000".
QString SwapHexPairs(const QString &text);
// Six digits, red first.
QString rgbHex(qint32 value);
// "18,52,86".
QString channelTriple(int red, int green, int blue);
// "0" to "15", or "n/a" for a colour not in the palette.
QString paletteIndexOf(qint32 value);
// "vbBlack" .. "vbWhite", or "n/a".
QString colorConstantNameOf(qint32 value);

// The channels by floor division, so that -1 splits into blue -1, green 255
// and red 255 rather than into bytes.
struct Channels
{
    qint64 blue;
    qint64 green;
    qint64 red;
};
Channels splitChannels(qint32 value);

// One reading of the pointer and of the pixel under it.
struct Sample
{
    QPoint pointer;
    qint32 color;
};
Sample takeSample();

qint32 ReadPixelColor();
qint32 PointerX();
qint32 PointerY();
QString PaletteIndex();
QString ColorConstantName();

// Writes the channels of value into the three readouts, blue first.
void ShowChannels(qint32 value, QLabel *blueReadout, QLabel *greenReadout, QLabel *redReadout);

} // namespace color32
