#pragma once

#include <QString>

// One of the seven units of the ruler's scale menu.
struct ScaleUnit
{
    enum Format { Whole, Tenths, Unconverted };

    const char *name;    // the English unit name, the caption's source text
    double twipsPerUnit; // 0 for twips, which are shown as reported
    Format format;

    // The unit name in the user's language, shown and copied.
    QString caption() const;

    // The readout of a length in twips in this unit.
    QString readout(double twips) const;
};

namespace ScaleUnits {

enum Index { Pixels, Points, Characters, Inches, Millimeters, Centimeters, Twips, Count };

const ScaleUnit &unit(int index);

} // namespace ScaleUnits
