#include "ruler/ScaleUnit.h"

#include "ruler/UnitFormats.h"

#include <QCoreApplication>

// The millimetre and centimetre divisors are the program's own historic
// values (1439.998517 twips to the inch), not 1440 / 25.4: readouts must not
// change from one version to the next.
static const ScaleUnit units[ScaleUnits::Count] = {
    {QT_TRANSLATE_NOOP("ScaleUnit", "Pixels"), 15.0, ScaleUnit::Whole},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Points"), 20.0, ScaleUnit::Tenths},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Characters"), 120.0, ScaleUnit::Tenths},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Inches"), 1440.0, ScaleUnit::Tenths},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Millimeters"), 56.692855, ScaleUnit::Tenths},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Centimeters"), 566.92855, ScaleUnit::Tenths},
    {QT_TRANSLATE_NOOP("ScaleUnit", "Twips"), 0.0, ScaleUnit::Unconverted},
};

QString ScaleUnit::caption() const
{
    return QCoreApplication::translate("ScaleUnit", name);
}

QString ScaleUnit::readout(double twips) const
{
    switch (format) {
    case Whole:
        return UnitFormats::wholeText(twips / twipsPerUnit);
    case Tenths:
        return UnitFormats::tenthsText(twips / twipsPerUnit);
    case Unconverted:
        break;
    }
    return UnitFormats::singleText(float(twips));
}

namespace ScaleUnits {

const ScaleUnit &unit(int index)
{
    return units[index];
}

} // namespace ScaleUnits
