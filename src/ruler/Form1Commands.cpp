// Form1: the arrow buttons, the shell's and the companions' commands, the
// on-top switch, minimising and the context menu.
#include "ruler/Form1.h"

#include "chrome/OpenWindows.h"
#include "chrome/WindowChrome.h"
#include "platform/PlatformServices.h"
#include "platform/Shell.h"
#include "platform/WindowPlace.h"
#include "ruler/ContextMenu.h"
#include "ruler/HelpPage.h"
#include "ruler/RulerDesign.h"
#include "ruler/TextEditor.h"
#include "window/Twips.h"

#include <QContextMenuEvent>
#include <QCoreApplication>

// From where the ruler stands, even when Qt still believes in a place the
// window manager refused; asked for even when Qt believes the ruler is there.
void Form1::nudge(double dxTwips, double dyTwips)
{
    platform().windowPlace->moveTo(this, QPoint(Twips::toPixels(leftTwips() + dxTwips),
                                                Twips::toPixels(topTwips() + dyTwips)));
}

void Form1::chameleonButton1_Click()
{
    nudge(-RulerDesign::nudgeStep, 0);
}
void Form1::chameleonButton2_Click()
{
    nudge(0, -RulerDesign::nudgeStep);
}
void Form1::chameleonButton3_Click()
{
    nudge(0, RulerDesign::nudgeStep);
}
void Form1::chameleonButton4_Click()
{
    nudge(RulerDesign::nudgeStep, 0);
}

void Form1::mnuNew_Click()
{
    platform().shell->startProgram(QCoreApplication::applicationFilePath(), {});
}

void Form1::mnuHelp_Click()
{
    platform().shell->open(HelpPage::path());
}

void Form1::mnuNotepad_Click()
{
    const QStringList editor = TextEditor::command();
    if (!editor.isEmpty())
        platform().shell->startProgram(editor.first(), editor.mid(1));
}

void Form1::mnuSpy_Click()
{
    OpenWindows::show(OpenWindows::Spy);
}

void Form1::mnuMix_Click()
{
    OpenWindows::show(OpenWindows::Mixer);
}

void Form1::mnuAbout_Click()
{
    OpenWindows::show(OpenWindows::About);
}

bool Form1::showsOnTop() const
{
    return chrome->showsOnTop();
}

void Form1::Command1_Click()
{
    chrome->putOnTop();
}

void Form1::Top_N_Click()
{
    chrome->putOnTop();
}

void Form1::Top_Y_Click()
{
    chrome->takeOffTop();
}

void Form1::Image7_MouseUp()
{
    showMinimized();
}

void Form1::Form_Click()
{
    popupMenu();
}

// The pointer moving over the background, a title image or a face clears
// any hover or press look left on the two caption buttons.
void Form1::Form_MouseMove()
{
    chrome->resetCaptionButtons();
}
void Form1::Image1_MouseMove()
{
    Form_MouseMove();
}
void Form1::Image2_MouseMove()
{
    Form_MouseMove();
}
void Form1::Image9_MouseMove()
{
    Form_MouseMove();
}
void Form1::Image10_MouseMove()
{
    Form_MouseMove();
}

void Form1::popupMenu()
{
    mnuFile->popUpAtPointer();
}

// The keyboard's way into the menu, the Menu key or Shift+F10, opens it at
// the control with the focus; the mouse's are the presses on the surfaces.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        mnuFile->popUpAt(platform().windowPlace->placeOf(this) + event->pos());
}
