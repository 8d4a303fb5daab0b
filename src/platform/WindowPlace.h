#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a top-level window stands, as the windowing system has it rather
// than Qt: Qt may not have heard of the window manager's place yet when the
// window is first exposed, and believes a window stands where it was asked
// to be put when the window manager refused or corrected the move.
class WindowPlace
{
public:
    virtual ~WindowPlace() = default;
    // The window's own top-left corner on the screen, without any frame the
    // window manager keeps round it. Qt is told the place too, where it
    // believes another, so that what it asks for next starts from there.
    virtual QPoint placeOf(const QWidget *window) = 0;
    // Asks for the place at once, whatever Qt believes.
    virtual void moveTo(QWidget *window, const QPoint &place) = 0;
    // Asks for a new size keeping the window's top-left corner where it
    // stands, even past the screen's edge where the window manager allows
    // it. Qt hears of the size only when the windowing system gives it,
    // as of a size the window manager chose.
    virtual void askSize(QWidget *window, const QSize &size) = 0;
    // The window is one the program alone places and sizes, with Qt's own
    // move and resize: Qt need not ask the windowing system where it went.
    virtual void placedAlone(QWidget *window) = 0;
};
