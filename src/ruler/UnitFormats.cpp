#include "ruler/UnitFormats.h"

#include "settings/SettingConversions.h"

#include <cmath>

namespace UnitFormats {
namespace {

QString withSeparator(QString text, const QLocale &locale)
{
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

QString signedText(bool negative, const QString &digits)
{
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString wholeText(double value, const QLocale &)
{
    const double rounded = std::round(value); // halves away from zero
    if (rounded == 0.0)
        return QString();
    return QString::number(rounded, 'f', 0);
}

QString tenthsText(double value, const QLocale &locale)
{
    const double tenthsCount = std::round(std::fabs(value) * 10.0);
    const double whole = std::floor(tenthsCount / 10.0);
    const int tenths = int(tenthsCount - whole * 10.0);
    QString digits = whole == 0.0 ? QString() : QString::number(whole, 'f', 0);
    digits += locale.decimalPoint();
    if (tenths != 0)
        digits += QString::number(tenths);
    return signedText(value < 0 && tenthsCount != 0.0, digits);
}

QString singleText(float value, const QLocale &locale)
{
    return withSeparator(SettingConversions::singleText(value), locale);
}

std::optional<double> readoutValue(const QString &text, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if (separator == QLatin1String(".") || !text.contains(separator))
        return SettingConversions::decimalFromText(text);
    QString plain = text;
    plain.replace(separator, QLatin1String("."));
    return SettingConversions::decimalFromText(plain);
}

} // namespace UnitFormats
