#include "settings/SettingConversions.h"

#include <QRegularExpression>
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

std::optional<double> decimalFromText(const QString &text)
{
    static const QRegularExpression grammar(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (text.size() > 64 || !grammar.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace SettingConversions
