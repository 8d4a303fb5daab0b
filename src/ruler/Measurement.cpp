#include "ruler/Measurement.h"

#include "ruler/RulerDesign.h"
#include "ruler/UnitFormats.h"

#include <QCoreApplication>
#include <QLatin1Char>

namespace {

// Shared texts, so that naming the unit at every tick copies no characters.
const QString &nameOf(int unit)
{
    static const std::array<QString, ScaleUnits::Count> names = [] {
        std::array<QString, ScaleUnits::Count> all;
        for (int each = 0; each < ScaleUnits::Count; ++each)
            all[each] = ScaleUnits::unit(each).caption();
        return all;
    }();
    return names[unit];
}

const QString &startLengthText()
{
    static const QString text = QString::number(RulerDesign::startLength);
    return text;
}

} // namespace

void Measurement::setHorizontalLength(int twips)
{
    horizontalLength = QString::number(twips);
}

void Measurement::setVerticalLength(int twips)
{
    verticalLength = QString::number(twips);
}

void Measurement::ApplyTwips(float reportedLength)
{
    if (horizontal) {
        width = UnitFormats::singleText(reportedLength);
        height = verticalLength == startLengthText() ? QString() : verticalLength;
    } else {
        height = UnitFormats::singleText(reportedLength);
        width = horizontalLength;
    }
}

void Measurement::convertReadouts(int unit)
{
    for (QString *readout : {&width, &height}) {
        if (const std::optional<double> twips = UnitFormats::readoutValue(*readout))
            *readout = ScaleUnits::unit(unit).readout(*twips);
    }
}

void Measurement::ApplyPixels()
{
    convertReadouts(ScaleUnits::Pixels);
}
void Measurement::ApplyPoints()
{
    convertReadouts(ScaleUnits::Points);
}
void Measurement::ApplyCharacters()
{
    convertReadouts(ScaleUnits::Characters);
}
void Measurement::ApplyInches()
{
    convertReadouts(ScaleUnits::Inches);
}
void Measurement::ApplyMillimeters()
{
    convertReadouts(ScaleUnits::Millimeters);
}
void Measurement::ApplyCentimeters()
{
    convertReadouts(ScaleUnits::Centimeters);
}

void Measurement::applyUnit(int unit)
{
    switch (unit) {
    case ScaleUnits::Pixels:
        ApplyPixels();
        break;
    case ScaleUnits::Points:
        ApplyPoints();
        break;
    case ScaleUnits::Characters:
        ApplyCharacters();
        break;
    case ScaleUnits::Inches:
        ApplyInches();
        break;
    case ScaleUnits::Millimeters:
        ApplyMillimeters();
        break;
    case ScaleUnits::Centimeters:
        ApplyCentimeters();
        break;
    }
}

// Twips ticked and every other entry unticked, the lengths in twips.
void Measurement::twipsCommand(float reportedLength)
{
    ticks[ScaleUnits::Twips] = true;
    for (int unit = ScaleUnits::Pixels; unit < ScaleUnits::Twips; ++unit)
        ticks[unit] = false;
    ApplyTwips(reportedLength);
    unitName = nameOf(ScaleUnits::Twips);
}

// Every other unit starts again from twips, so that choosing one twice, or
// one after another, always converts the lengths themselves.
void Measurement::unitCommand(int unit, float reportedLength)
{
    twipsCommand(reportedLength);
    if (unit == ScaleUnits::Twips)
        return;
    applyUnit(unit);
    ticks[ScaleUnits::Twips] = false;
    for (int each = ScaleUnits::Pixels; each < ScaleUnits::Twips; ++each)
        ticks[each] = each == unit;
    unitName = nameOf(unit);
}

bool Measurement::RefreshUnit(float reportedLength)
{
    static constexpr ScaleUnits::Index order[] = {
        ScaleUnits::Centimeters, ScaleUnits::Characters, ScaleUnits::Inches,
        ScaleUnits::Millimeters, ScaleUnits::Pixels,     ScaleUnits::Points,
        ScaleUnits::Twips,
    };
    for (const ScaleUnits::Index unit : order) {
        if (ticks[unit]) {
            unitCommand(unit, reportedLength);
            return true;
        }
    }
    return false;
}

// The unit's command builds the readouts from twips itself: they are built
// in twips first only when no unit is ticked.
void Measurement::followLength(float reportedLength)
{
    if (!RefreshUnit(reportedLength))
        ApplyTwips(reportedLength);
}

void Measurement::clear()
{
    width.clear();
    height.clear();
}

QString Measurement::withUnit(const QString &readout) const
{
    return readout + QLatin1Char(' ') + unitName;
}

QString Measurement::widthCaption() const
{
    return QCoreApplication::translate("Measurement", "Width:  ") + withUnit(width);
}

QString Measurement::heightCaption() const
{
    return QCoreApplication::translate("Measurement", "Height:  ") + withUnit(height);
}

QString Measurement::copyText() const
{
    return widthCaption() + QStringLiteral("\r\n") + heightCaption();
}
