// Form1: start-up, the presets it reads and saves, and its exits.
#include "ruler/Form1.h"

#include "chrome/OnTopToggle.h"
#include "chrome/OpenWindows.h"
#include "platform/ProgramEnd.h"
#include "ruler/RulerDesign.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerSurface.h"
#include "ruler/ScaleUnit.h"
#include "settings/PresetKeys.h"
#include "settings/Presets.h"
#include "settings/SettingConversions.h"
#include "window/OuterRect.h"
#include "window/Twips.h"
#include "window/clsStyle.h"

#include <QCloseEvent>

void Form1::Form_Load()
{
    topToggle->PutOnTop();
    frameControl = new clsStyle;
    frameControl->setClient(this);
    frameControl->setTitlebar(0);
    const RulerLayout start(Orientation::Horizontal, size(), RulerLayout::Turned);
    showControls(start);
    placeFace(start);
    const Presets::Reading presets(storedKeys());
    loadUnitTicks(presets);
    presets.RestorePosition(this, PresetKeys::X_L, PresetKeys::X_T);
    measurement.setHorizontalLength(RulerDesign::startLength);
    measurement.setVerticalLength(RulerDesign::startLength);
}

// The unit ticks and the place: everything the ruler reads, in one read.
QStringList Form1::storedKeys()
{
    QStringList keys;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        keys << QLatin1String(ScaleUnits::unit(unit).key);
    return keys << PresetKeys::X_L << PresetKeys::X_T;
}

void Form1::loadUnitTicks(const Presets::Reading &presets)
{
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        const QString defaultText = SettingConversions::truthText(unit == ScaleUnits::Pixels);
        const std::optional<bool> tick = SettingConversions::truthFromText(
            presets.Get(QLatin1String(ScaleUnits::unit(unit).key), defaultText));
        if (tick)
            measurement.setTicked(unit, *tick);
    }
    showTicks();
}

void Form1::SavePresets()
{
    QList<QPair<QString, QString>> presets;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        presets.append({QString::fromLatin1(ScaleUnits::unit(unit).key),
                        SettingConversions::truthText(isTicked(unit))});
    }
    const QPoint place = OuterPlace(this);
    presets.append({PresetKeys::X_L, Presets::EdgeText(place.x())});
    presets.append({PresetKeys::X_T, Presets::EdgeText(place.y())});
    Presets::SavePresets(presets);
}

// ---- Exits ----

void Form1::saveAndEnd()
{
    SavePresets();
    EndProgram();
}

void Form1::mnuClose_Click()
{
    saveAndEnd();
}
void Form1::Image6_MouseUp()
{
    saveAndEnd();
}
void Form1::Image1_DblClick()
{
    faceDoubleClick(Orientation::Horizontal);
}
void Form1::Image9_DblClick()
{
    faceDoubleClick(Orientation::Horizontal);
}
void Form1::Form_DblClick()
{
    EndProgram();
}
void Form1::Image2_DblClick()
{
    faceDoubleClick(Orientation::Vertical);
}
void Form1::Image10_DblClick()
{
    faceDoubleClick(Orientation::Vertical);
}
// The horizontal ruler's face and title image save the presets before the
// program ends; the vertical ruler's do not.
void Form1::faceDoubleClick(Orientation orientation)
{
    if (orientation == Orientation::Horizontal)
        SavePresets();
    EndProgram();
}
void Form1::Label1_DblClick()
{
    EndProgram();
}
void Form1::Label3_DblClick()
{
    EndProgram();
}
void Form1::Label4_DblClick()
{
    EndProgram();
}
void Form1::Label2_Click()
{
    EndProgram();
}

// The platform closing the ruler saves its presets and unloads every other
// window, each with its own unloading; the program ends with the last one.
void Form1::Form_Unload()
{
    SavePresets();
    OpenWindows::UnloadOthers(OpenWindows::Ruler);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
