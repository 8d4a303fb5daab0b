#pragma once

#include <QMenu>
#include <array>

class QAction;

// The ruler's context menu (mnuFile), only ever shown as a pop-up: at the
// pointer when the mouse opens it, at the control with the keyboard focus
// when the keyboard does (the Menu key, or Shift+F10, a shortcut of the
// window that the menu sets up). The entries keep the names the ruler's
// handlers use.
class ContextMenu : public QMenu
{
    Q_OBJECT
public:
    explicit ContextMenu(QWidget *parent);

    // The seven unit entries, in the order of ScaleUnits::Index.
    QAction *unitEntry(int unit) const { return units[unit]; }

    QMenu *mnuScale;
    QAction *mnuPix, *mnuPoints, *mnuCharac, *mnuInch, *mnuMilli, *mnuCenti, *mnuTwips;
    QMenu *mnuCurrent;
    QAction *mnuCopy2, *mnuWidth, *mnuHeight;
    QMenu *mnuUtilities;
    QAction *mnuSpy, *mnuMix, *mnuNotepad;
    QAction *mnuHoriz, *mnuVertical, *mnuCopy, *mnuNew, *mnuClear, *mnuHelp, *mnuAbout, *mnuClose;

    // Shows the menu with its top-left corner at the pointer and returns once
    // it has closed, after the chosen entry's command has run.
    void popUpAtPointer();
    // The same with its top-left corner at a point of the screen.
    void popUpAt(const QPoint &globalPosition);

private:
    std::array<QAction *, 7> units;
};
