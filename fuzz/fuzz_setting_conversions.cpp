// libFuzzer target over the conversions between stored texts and values:
// whatever a hand-edited or damaged store holds, the readers must not crash,
// must agree with one another, and every value they accept must be written
// back as a text that reads as the same value.
#include "settings/SettingConversions.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace SettingConversions;

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

void singleRoundTrip(float value)
{
    if (!std::isfinite(value))
        return;
    const QString text = singleText(value);
    require(!text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char('E')));
    const std::optional<float> back = singleFromText(text);
    require(back && *back == value);
}

void readers(const QString &text)
{
    const std::optional<double> number = decimalFromText(text);
    if (number)
        require(std::isfinite(*number) && text.size() <= 64);

    const std::optional<bool> truth = truthFromText(text);
    if (number)
        require(truth && *truth == (*number != 0.0));
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        require(truth && *truth);

    const std::optional<float> single = singleFromText(text);
    if (single) {
        require(number.has_value());
        singleRoundTrip(*single);
    }

    const std::optional<qint16> whole = int16FromText(text);
    if (whole)
        require(number && std::fabs(*number - *whole) <= 0.5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    readers(QString::fromUtf8(bytes, qsizetype(size)));
    readers(QString::fromLatin1(bytes, qsizetype(size)));
    if (size >= sizeof(float)) {
        float value;
        std::memcpy(&value, data, sizeof value);
        singleRoundTrip(value);
    }
    return 0;
}
