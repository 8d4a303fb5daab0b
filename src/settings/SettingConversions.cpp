#include "settings/SettingConversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace SettingConversions {

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> truthFromText(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = decimalFromText(text))
        return *number != 0.0;
    return std::nullopt;
}

QString singleText(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0"); // also for -0, as the store has always written it
    char digits[64];
    // Fixed notation with the fewest digits that read back as the same float.
    const std::to_chars_result end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    return QString::fromLatin1(digits, int(end.ptr - digits));
}

std::optional<float> singleFromText(const QString &text)
{
    const std::optional<double> number = decimalFromText(text);
    if (!number || std::fabs(*number) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(*number);
}

std::optional<qint16> int16FromText(const QString &text)
{
    const std::optional<double> number = decimalFromText(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default mode rounds halves to even
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitsFrom(const QString &text, int at)
{
    int end = at;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    return end - at;
}

// A sign, digits with at most one decimal point among or before them, and an
// exponent: "12", "-3.", ".5", "1e40". Nothing else, not even digit grouping.
bool isDecimal(const QString &text)
{
    int at = 0;
    if (at < text.size() && (text.at(at) == QLatin1Char('+') || text.at(at) == QLatin1Char('-')))
        ++at;
    const int whole = digitsFrom(text, at);
    at += whole;
    int fraction = 0;
    if (at < text.size() && text.at(at) == QLatin1Char('.')) {
        fraction = digitsFrom(text, at + 1);
        at += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return false;
    if (at < text.size() && (text.at(at) == QLatin1Char('e') || text.at(at) == QLatin1Char('E'))) {
        ++at;
        if (at < text.size() &&
            (text.at(at) == QLatin1Char('+') || text.at(at) == QLatin1Char('-')))
            ++at;
        const int exponent = digitsFrom(text, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == text.size();
}

} // namespace

std::optional<double> decimalFromText(const QString &text)
{
    if (text.size() > 64)
        return std::nullopt;
    const QString trimmed = text.trimmed();
    if (!isDecimal(trimmed))
        return std::nullopt;
    // Only ASCII is left: the characters convert one for one.
    char digits[64];
    int length = 0;
    for (const QChar c : trimmed) {
        if (length > 0 || c != QLatin1Char('+'))
            digits[length++] = char(c.unicode());
    }
    double number = 0;
    const std::from_chars_result end = std::from_chars(digits, digits + length, number);
    if (end.ec != std::errc() || end.ptr != digits + length || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace SettingConversions
