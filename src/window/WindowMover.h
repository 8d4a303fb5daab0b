#pragma once

class QWidget;

// Moves a top-level window with the pointer, from the press that asks for it
// until the button is released.
class WindowMover
{
public:
    virtual ~WindowMover() = default;
    virtual void StartMove(QWidget *window) = 0;
};
