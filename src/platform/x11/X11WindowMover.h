#pragma once

#include "platform/WindowMover.h"

// Hands the move to the window manager (_NET_WM_MOVERESIZE), which alone may
// leave a window partly off the screen, and which alone moves an X window on
// weston; where there is none, or it does not take the move, the window
// follows the pointer itself until the release.
class X11WindowMover : public WindowMover
{
public:
    void startMove(QWidget *window, const QPoint &pressPointer) override;
    void continueMove(QWidget *window, const QPoint &pressPointer) override;
};
