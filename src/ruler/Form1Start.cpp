// Form1: start-up, the presets it reads and saves, and its exits.
#include "ruler/Form1.h"

#include "chrome/OpenWindows.h"
#include "chrome/WindowChrome.h"
#include "platform/ProgramEnd.h"
#include "ruler/RulerDesign.h"
#include "ruler/RulerLayout.h"
#include "window/clsStyle.h"

#include <QCloseEvent>

void Form1::Form_Load()
{
    chrome->putOnTop();
    frameControl = new clsStyle;
    frameControl->setClient(this);
    frameControl->setTitlebar(0);
    const RulerLayout start(Orientation::Horizontal, size(), RulerLayout::Turned);
    showControls(start);
    placeFace(start);
    presets.load();
    showTicks();
    measurement.setHorizontalLength(RulerDesign::startLength);
    measurement.setVerticalLength(RulerDesign::startLength);
}

void Form1::SavePresets()
{
    presets.save();
}

// ---- Exits ----

void Form1::saveAndEnd()
{
    SavePresets();
    endProgram();
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
    endProgram();
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
    endProgram();
}
void Form1::Label1_DblClick()
{
    endProgram();
}
void Form1::Label3_DblClick()
{
    endProgram();
}
void Form1::Label4_DblClick()
{
    endProgram();
}
void Form1::Label2_Click()
{
    endProgram();
}

// The platform closing the ruler saves its presets and unloads every other
// window, each with its own unloading; the program ends with the last one.
void Form1::Form_Unload()
{
    SavePresets();
    OpenWindows::unloadOthers(OpenWindows::Ruler);
}

void Form1::closeEvent(QCloseEvent *event)
{
    chrome->unload([this] { Form_Unload(); });
    event->accept();
}
