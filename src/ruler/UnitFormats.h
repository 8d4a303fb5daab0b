#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The number formats of the ruler's readouts, in the user's locale: its
// decimal separator, no digit grouping, halves rounded away from zero.
namespace UnitFormats {

// "######": the whole number without leading zeros; zero gives empty text.
QString wholeText(double value, const QLocale &locale = QLocale());
// "######.#": 300 -> "300.", 4.1666 -> "4.2", 0.333 -> ".3", 0 -> ".".
QString tenthsText(double value, const QLocale &locale = QLocale());
// The shortest text that reads back as the same single-precision number,
// with the locale's separator: the form in which lengths in twips are shown.
QString singleText(float value, const QLocale &locale = QLocale());
// A readout's text as a number; nothing for empty or non-numeric text.
std::optional<double> readoutValue(const QString &text, const QLocale &locale = QLocale());

} // namespace UnitFormats
