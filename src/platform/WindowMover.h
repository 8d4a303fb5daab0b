#pragma once

class QPoint;
class QWidget;

// Moves a top-level window with the pointer, from the press that asks for it
// until the button is released.
class WindowMover
{
public:
    virtual ~WindowMover() = default;
    // A press at pressPointer on a drag handle: the window keeps the pressed
    // point under the pointer, however late the program hears of the press.
    virtual void startMove(QWidget *window, const QPoint &pressPointer) = 0;
    // A move asked for only once the pointer has travelled from the press at
    // pressPointer: the window keeps the pressed point under the pointer.
    virtual void continueMove(QWidget *window, const QPoint &pressPointer) = 0;
};
