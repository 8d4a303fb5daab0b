#include "ruler/ContextMenu.h"

#include "ruler/ScaleUnit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QShortcut>

namespace {

// The captions are the menu's English texts, translated here.
QString translated(const char *caption)
{
    return QCoreApplication::translate("ContextMenu", caption);
}

QAction *entry(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(translated(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *makeUnitEntry(QMenu *menu, const char *name, int unit)
{
    QAction *action = menu->addAction(ScaleUnits::unit(unit).caption());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    return action;
}

QMenu *submenu(QMenu *menu, const char *name, const char *caption)
{
    QMenu *sub = menu->addMenu(translated(caption));
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

    mnuScale = submenu(this, "mnuScale", QT_TRANSLATE_NOOP("ContextMenu", "Scale &Mode"));
    mnuPix = makeUnitEntry(mnuScale, "mnuPix", ScaleUnits::Pixels);
    mnuPoints = makeUnitEntry(mnuScale, "mnuPoints", ScaleUnits::Points);
    mnuCharac = makeUnitEntry(mnuScale, "mnuCharac", ScaleUnits::Characters);
    mnuInch = makeUnitEntry(mnuScale, "mnuInch", ScaleUnits::Inches);
    mnuMilli = makeUnitEntry(mnuScale, "mnuMilli", ScaleUnits::Millimeters);
    mnuCenti = makeUnitEntry(mnuScale, "mnuCenti", ScaleUnits::Centimeters);
    mnuTwips = makeUnitEntry(mnuScale, "mnuTwips", ScaleUnits::Twips);
    units = {mnuPix, mnuPoints, mnuCharac, mnuInch, mnuMilli, mnuCenti, mnuTwips};
    addSeparator();

    mnuCurrent = submenu(this, "mnuCurrent", QT_TRANSLATE_NOOP("ContextMenu", "C&urrent"));
    mnuCopy2 =
        entry(mnuCurrent, "mnuCopy2", QT_TRANSLATE_NOOP("ContextMenu", "&Copy to Clipboard"));
    mnuCurrent->addSeparator();
    mnuWidth = entry(mnuCurrent, "mnuWidth", QT_TRANSLATE_NOOP("ContextMenu", "Width: 0"));
    mnuHeight = entry(mnuCurrent, "mnuHeight", QT_TRANSLATE_NOOP("ContextMenu", "Height: 0"));
    addSeparator();

    mnuUtilities = submenu(this, "mnuUtilities", QT_TRANSLATE_NOOP("ContextMenu", "Utilities"));
    mnuSpy = entry(mnuUtilities, "mnuSpy", QT_TRANSLATE_NOOP("ContextMenu", "Color &Spy"));
    mnuMix = entry(mnuUtilities, "mnuMix", QT_TRANSLATE_NOOP("ContextMenu", "Color &Mixer"));
    mnuNotepad = entry(mnuUtilities, "mnuNotepad", QT_TRANSLATE_NOOP("ContextMenu", "&Notepad"));
    addSeparator();

    mnuHoriz = entry(this, "mnuHoriz", QT_TRANSLATE_NOOP("ContextMenu", "Show &Horizontal"));
    mnuHoriz->setVisible(false);
    mnuVertical = entry(this, "mnuVertical", QT_TRANSLATE_NOOP("ContextMenu", "Show &Vertical"));
    mnuCopy = entry(this, "mnuCopy", QT_TRANSLATE_NOOP("ContextMenu", "&Copy to Clipboard"));
    mnuCopy->setVisible(false);
    mnuNew = entry(this, "mnuNew", QT_TRANSLATE_NOOP("ContextMenu", "&New Ombrix"));
    mnuClear = entry(this, "mnuClear", QT_TRANSLATE_NOOP("ContextMenu", "Cl&ear"));
    mnuHelp = entry(this, "mnuHelp", QT_TRANSLATE_NOOP("ContextMenu", "&Help"));
    mnuAbout = entry(this, "mnuAbout", QT_TRANSLATE_NOOP("ContextMenu", "&About"));
    mnuClose = entry(this, "mnuClose", QT_TRANSLATE_NOOP("ContextMenu", "Cl&ose"));

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
