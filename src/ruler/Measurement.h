#pragma once

#include "ruler/ScaleUnit.h"

#include <QString>
#include <array>

// The ruler's measurement as the texts it shows, compares and copies, with
// no window: its two lengths in twips (Text6 horizontal, Text7 vertical), the
// readouts (Text1 width, Text2 height), the name of the unit they are in
// (Text5), the ticks of the seven unit entries and the orientation. The
// window's handlers drive it, hand it the length the windowing system reports
// for the window, and show what it holds.
class Measurement
{
public:
    const QString &Text1() const { return width; }
    const QString &Text2() const { return height; }
    const QString &Text5() const { return unitName; }
    const QString &Text6() const { return horizontalLength; }
    const QString &Text7() const { return verticalLength; }
    bool isHorizontal() const { return horizontal; }
    bool isTicked(int unit) const { return ticks[unit]; }

    void setHorizontal(bool horizontalRuler) { horizontal = horizontalRuler; }
    // As the stored presets give them; a unit command ticks one alone.
    void setTicked(int unit, bool ticked) { ticks[unit] = ticked; }
    // The sliders' positions, kept as their decimal text.
    void setHorizontalLength(int twips);
    void setVerticalLength(int twips);
    // What the user types into a readout; the next length shown replaces it.
    void setText1(const QString &text) { width = text; }
    void setText2(const QString &text) { height = text; }

    // reportedLength, here and below: the window's length along the ruler in
    // twips, as the windowing system reports it (its width when horizontal).
    // Both lengths in twips into the readouts; the height readout stays
    // empty while the vertical length is the start's.
    void ApplyTwips(float reportedLength);
    // Both readouts, holding twips, converted into the unit; a readout that
    // holds no number is left as it is.
    void ApplyPixels();
    void ApplyPoints();
    void ApplyCharacters();
    void ApplyInches();
    void ApplyMillimeters();
    void ApplyCentimeters();

    // The command of a unit entry: the readouts built from twips in that unit
    // and named after it, its entry alone ticked.
    void unitCommand(int unit, float reportedLength);
    // Runs the command of the first ticked unit, in the order centimetres,
    // characters, inches, millimetres, pixels, points, twips; false, and
    // nothing done, when none is ticked.
    bool RefreshUnit(float reportedLength);
    // The readouts of a slider's tick: the lengths in twips, then in the
    // ticked unit.
    void followLength(float reportedLength);
    // "Cl&ear": both readouts empty.
    void clear();

    // A readout and the unit's name, as the slider's pop-up shows it.
    QString withUnit(const QString &readout) const;
    // The "Width:" and "Height:" entries of the menu, and the two lines of
    // the copy.
    QString widthCaption() const;
    QString heightCaption() const;
    QString copyText() const;

private:
    void twipsCommand(float reportedLength);
    void convertReadouts(int unit);
    void applyUnit(int unit);

    QString width;            // Text1
    QString height;           // Text2
    QString unitName;         // Text5
    QString horizontalLength; // Text6
    QString verticalLength;   // Text7
    bool horizontal = true;   // Option1 selected
    std::array<bool, ScaleUnits::Count> ticks = {};
};
