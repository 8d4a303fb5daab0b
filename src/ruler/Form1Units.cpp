// Form1: the units the readouts show the lengths in.
#include "ruler/Form1.h"

#include "ruler/ContextMenu.h"
#include "ruler/ReadoutBox.h"
#include "ruler/RulerDesign.h"
#include "ruler/ScaleUnit.h"
#include "ruler/UnitFormats.h"

#include <QAction>

namespace {

// The height readout stays empty while the vertical length is the start's.
QString heightReadoutOf(const QString &verticalLength)
{
    static const QString startText = QString::number(RulerDesign::startLength);
    return verticalLength == startText ? QString() : verticalLength;
}

} // namespace

bool Form1::isTicked(int unit) const
{
    return mnuFile->unitEntry(unit)->isChecked();
}

QString Form1::Text1() const
{
    return TextBox1->text();
}

QString Form1::Text2() const
{
    return TextBox2->text();
}

// The unit routines build the readouts' texts; showReadouts writes them into
// the boxes once the command is done, so that a box changes, and is
// repainted, only when its text does.
void Form1::ApplyTwips()
{
    if (horizontal) {
        texts.width = UnitFormats::singleText(WidthTwips());
        texts.height = heightReadoutOf(verticalLength);
    } else {
        texts.height = UnitFormats::singleText(HeightTwips());
        texts.width = horizontalLength;
    }
}

void Form1::applyUnit(int unit)
{
    for (QString *readout : {&texts.width, &texts.height}) {
        if (const std::optional<double> twips = UnitFormats::readoutValue(*readout))
            *readout = ScaleUnits::unit(unit).readout(*twips);
    }
}

void Form1::showReadouts()
{
    TextBox1->setText(texts.width);
    TextBox2->setText(texts.height);
}

void Form1::setUnitName(int unit)
{
    const QLatin1String name(ScaleUnits::unit(unit).name);
    if (unitName != name)
        unitName = name;
}

void Form1::ApplyPixels()
{
    applyUnit(ScaleUnits::Pixels);
}
void Form1::ApplyPoints()
{
    applyUnit(ScaleUnits::Points);
}
void Form1::ApplyCharacters()
{
    applyUnit(ScaleUnits::Characters);
}
void Form1::ApplyInches()
{
    applyUnit(ScaleUnits::Inches);
}
void Form1::ApplyMillimeters()
{
    applyUnit(ScaleUnits::Millimeters);
}
void Form1::ApplyCentimeters()
{
    applyUnit(ScaleUnits::Centimeters);
}

void Form1::mnuTwips_Click()
{
    setTicks(ScaleUnits::Twips);
    ApplyTwips();
    setUnitName(ScaleUnits::Twips);
    showReadouts();
}

// Every other unit starts again from twips, so choosing one twice, or one
// after another, always converts the lengths themselves. The ticks are set
// once, to what the command leaves: only its own entry ticked.
void Form1::unitCommand(int unit)
{
    ApplyTwips();
    applyUnit(unit);
    setTicks(unit);
    setUnitName(unit);
    showReadouts();
}

// Only the entries whose tick changes are touched.
void Form1::setTicks(int onlyTicked)
{
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        QAction *entry = mnuFile->unitEntry(unit);
        if (entry->isChecked() != (unit == onlyTicked))
            entry->setChecked(unit == onlyTicked);
    }
}

void Form1::mnuPix_Click()
{
    unitCommand(ScaleUnits::Pixels);
}
void Form1::mnuPoints_Click()
{
    unitCommand(ScaleUnits::Points);
}
void Form1::mnuCharac_Click()
{
    unitCommand(ScaleUnits::Characters);
}
void Form1::mnuInch_Click()
{
    unitCommand(ScaleUnits::Inches);
}
void Form1::mnuMilli_Click()
{
    unitCommand(ScaleUnits::Millimeters);
}
void Form1::mnuCenti_Click()
{
    unitCommand(ScaleUnits::Centimeters);
}

// Runs the command of the first ticked unit; false if none is ticked.
bool Form1::RefreshUnit()
{
    const std::pair<int, void (Form1::*)()> order[] = {
        {ScaleUnits::Centimeters, &Form1::mnuCenti_Click},
        {ScaleUnits::Characters, &Form1::mnuCharac_Click},
        {ScaleUnits::Inches, &Form1::mnuInch_Click},
        {ScaleUnits::Millimeters, &Form1::mnuMilli_Click},
        {ScaleUnits::Pixels, &Form1::mnuPix_Click},
        {ScaleUnits::Points, &Form1::mnuPoints_Click},
        {ScaleUnits::Twips, &Form1::mnuTwips_Click},
    };
    for (const auto &[unit, command] : order) {
        if (isTicked(unit)) {
            (this->*command)();
            return true;
        }
    }
    return false;
}

// The lengths in the ticked unit. Every unit command builds the readouts
// from twips itself; with no unit ticked they show twips.
void Form1::refreshReadouts()
{
    if (!RefreshUnit())
        ApplyTwips();
    showReadouts();
}
