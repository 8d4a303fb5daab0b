#pragma once

#include <QString>
#include <optional>

// Conversions between stored texts and the values the windows apply. Every
// reader returns nothing for a text it cannot take, so the caller keeps its
// design value for that key alone.
namespace SettingConversions {

// "True" or "False".
QString truthText(bool value);
// The words True and False in any letter case, or a number: zero is false,
// any other number true.
std::optional<bool> truthFromText(const QString &text);

// The shortest decimal text that reads back as the same single-precision
// number: 1500 -> "1500", -45 -> "-45", 0.1f -> "0.1". Always with a point.
QString singleText(float value);
// A finite decimal number within single-precision range.
std::optional<float> singleFromText(const QString &text);

// A decimal number rounded to the nearest integer (halves to even) that fits
// 16 bits.
std::optional<qint16> int16FromText(const QString &text);

// The strict decimal grammar shared by the readers: optional blanks and sign,
// digits with an optional point, an optional exponent. No "nan", "inf", hex
// or digit grouping.
std::optional<double> decimalFromText(const QString &text);

} // namespace SettingConversions
