#include "ruler/ContextMenu.h"

#include "ruler/ScaleUnit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QShortcut>

namespace {

QAction *entry(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *makeUnitEntry(QMenu *menu, const char *name, int unit)
{
    QAction *action = entry(menu, name, ScaleUnits::unit(unit).name);
    action->setCheckable(true);
    return action;
}

QMenu *submenu(QMenu *menu, const char *name, const char *caption)
{
    QMenu *sub = menu->addMenu(QString::fromLatin1(caption));
    sub->setObjectName(QString::fromLatin1(name));
    return sub;
}

// Shift+F10 stands in for the Menu key, which not every keyboard has: it asks
// the control with the focus for its context menu just as that key does, at
// the same point of the control.
void askFocusedControlForMenu(QWidget *window)
{
    QWidget *control = window->focusWidget() ? window->focusWidget() : window;
    const QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &request);
}

} // namespace

ContextMenu::ContextMenu(QWidget *parent) : QMenu(QStringLiteral("File"), parent)
{
    setObjectName(QStringLiteral("mnuFile"));

    mnuScale = submenu(this, "mnuScale", "Scale &Mode");
    mnuPix = makeUnitEntry(mnuScale, "mnuPix", ScaleUnits::Pixels);
    mnuPoints = makeUnitEntry(mnuScale, "mnuPoints", ScaleUnits::Points);
    mnuCharac = makeUnitEntry(mnuScale, "mnuCharac", ScaleUnits::Characters);
    mnuInch = makeUnitEntry(mnuScale, "mnuInch", ScaleUnits::Inches);
    mnuMilli = makeUnitEntry(mnuScale, "mnuMilli", ScaleUnits::Millimeters);
    mnuCenti = makeUnitEntry(mnuScale, "mnuCenti", ScaleUnits::Centimeters);
    mnuTwips = makeUnitEntry(mnuScale, "mnuTwips", ScaleUnits::Twips);
    units = {mnuPix, mnuPoints, mnuCharac, mnuInch, mnuMilli, mnuCenti, mnuTwips};
    addSeparator();

    mnuCurrent = submenu(this, "mnuCurrent", "C&urrent");
    mnuCopy2 = entry(mnuCurrent, "mnuCopy2", "&Copy to Clipboard");
    mnuCurrent->addSeparator();
    mnuWidth = entry(mnuCurrent, "mnuWidth", "Width: 0");
    mnuHeight = entry(mnuCurrent, "mnuHeight", "Height: 0");
    addSeparator();

    mnuUtilities = submenu(this, "mnuUtilities", "Utilities");
    mnuSpy = entry(mnuUtilities, "mnuSpy", "Color &Spy");
    mnuMix = entry(mnuUtilities, "mnuMix", "Color &Mixer");
    mnuNotepad = entry(mnuUtilities, "mnuNotepad", "&Notepad");
    addSeparator();

    mnuHoriz = entry(this, "mnuHoriz", "Show &Horizontal");
    mnuHoriz->setVisible(false);
    mnuVertical = entry(this, "mnuVertical", "Show &Vertical");
    mnuCopy = entry(this, "mnuCopy", "&Copy to Clipboard");
    mnuCopy->setVisible(false);
    mnuNew = entry(this, "mnuNew", "&New Ombrix");
    mnuClear = entry(this, "mnuClear", "Cl&ear");
    mnuHelp = entry(this, "mnuHelp", "&Help");
    mnuAbout = entry(this, "mnuAbout", "&About");
    mnuClose = entry(this, "mnuClose", "Cl&ose");

    auto *shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), parent);
    connect(shiftF10, &QShortcut::activated, parent,
            [parent] { askFocusedControlForMenu(parent); });
}

void ContextMenu::popUpAtPointer()
{
    popUpAt(QCursor::pos());
}

void ContextMenu::popUpAt(const QPoint &globalPosition)
{
    exec(globalPosition);
}
