// Form1: the units the readouts show the lengths in. The measurement builds
// the texts; the window shows them once a command is done, so that a box or
// a menu entry changes, and is repainted, only when what it shows does.
#include "ruler/Form1.h"

#include "ruler/ContextMenu.h"
#include "ruler/ReadoutBox.h"
#include "ruler/ScaleUnit.h"

#include <QAction>

float Form1::lengthTwips() const
{
    return measurement.isHorizontal() ? widthTwips() : heightTwips();
}

void Form1::unitCommand(int unit)
{
    measurement.unitCommand(unit, lengthTwips());
    showReadouts();
    showTicks();
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
void Form1::mnuTwips_Click()
{
    unitCommand(ScaleUnits::Twips);
}

// The lengths in the ticked unit, in twips when none is ticked.
void Form1::refreshReadouts()
{
    measurement.followLength(lengthTwips());
    showReadouts();
    showTicks();
}

void Form1::showReadouts()
{
    textBox1->setText(measurement.Text1());
    textBox2->setText(measurement.Text2());
    // Assistive technology reads the unit beside each readout's length.
    if (textBox1->accessibleDescription() != measurement.Text5()) {
        textBox1->setAccessibleDescription(measurement.Text5());
        textBox2->setAccessibleDescription(measurement.Text5());
    }
}

// Choosing an entry from the menu toggles its tick before the command runs;
// the command's ticks are put back over it.
void Form1::showTicks()
{
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        QAction *entry = mnuFile->unitEntry(unit);
        if (entry->isChecked() != measurement.isTicked(unit))
            entry->setChecked(measurement.isTicked(unit));
    }
}
