#include "colour/color32.h"

#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"

#include <QLabel>
#include <cmath>

namespace color32 {

namespace {

struct NamedColor
{
    qint32 value;
    const char *name;
};

constexpr NamedColor colorConstants[] = {
    {0, "vbBlack"},       {255, "vbRed"},          {65280, "vbGreen"},   {65535, "vbYellow"},
    {16711680, "vbBlue"}, {16711935, "vbMagenta"}, {16776960, "vbCyan"}, {16777215, "vbWhite"},
};

const QString notAvailable = QStringLiteral("n/a");

} // namespace

const std::array<qint32, 16> &palette()
{
    static constexpr std::array<qint32, 16> palette = {
        0,       8388608,  32768, 8421376,  128, 8388736,  32896, 12632256,
        8421504, 16711680, 65280, 16776960, 255, 16711935, 65535, 16777215};
    return palette;
}

qint32 colorValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

QString decimalText(qint32 value)
{
    return QString::number(value);
}

QString hexText(qint32 value)
{
    // Read as unsigned, a negative value is its 32-bit two's complement.
    return QString::number(quint32(value), 16).toUpper();
}

QString PadHex6(const QString &text)
{
    if (text.isEmpty() || text.size() >= 6)
        return text;
    return QString(6 - text.size(), QLatin1Char('0')) + text;
}

QString SwapHexPairs(const QString &text)
{
    if (text == QLatin1String("0"))
        return QStringLiteral("000000");
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
}

QString rgbHex(qint32 value)
{
    // Filling to six digits first keeps the red pair in front after the swap.
    return SwapHexPairs(PadHex6(hexText(value)));
}

QString channelTriple(int red, int green, int blue)
{
    return QStringLiteral("%1,%2,%3").arg(red).arg(green).arg(blue);
}

QString paletteIndexOf(qint32 value)
{
    const std::array<qint32, 16> &entries = palette();
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (entries[index] == value)
            return QString::number(index);
    }
    return notAvailable;
}

QString colorConstantNameOf(qint32 value)
{
    for (const NamedColor &constant : colorConstants) {
        if (constant.value == value)
            return QString::fromLatin1(constant.name);
    }
    return notAvailable;
}

Channels splitChannels(qint32 value)
{
    const double colour = value;
    const double blue = std::floor(colour / 65536.0);
    const double green = std::floor((colour - 65536.0 * blue) / 256.0);
    const double red = colour - (65536.0 * blue + 256.0 * green);
    return {qint64(blue), qint64(green), qint64(red)};
}

Sample takeSample()
{
    const ScreenSampler::Sample sample = platform().sampler->pointerAndPixel();
    return {sample.pointer, sample.color};
}

qint32 ReadPixelColor()
{
    return takeSample().color;
}

qint32 PointerX()
{
    return platform().sampler->pointerPosition().x();
}

qint32 PointerY()
{
    return platform().sampler->pointerPosition().y();
}

QString PaletteIndex()
{
    return paletteIndexOf(ReadPixelColor());
}

QString ColorConstantName()
{
    return colorConstantNameOf(ReadPixelColor());
}

void ShowChannels(qint32 value, QLabel *blueReadout, QLabel *greenReadout, QLabel *redReadout)
{
    const Channels channels = splitChannels(value);
    blueReadout->setText(QString::number(channels.blue));
    greenReadout->setText(QString::number(channels.green));
    redReadout->setText(QString::number(channels.red));
}

} // namespace color32
