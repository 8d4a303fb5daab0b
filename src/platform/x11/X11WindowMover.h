#pragma once

#include "platform/WindowMover.h"

// Hands the move to the window manager; where there is none, follows the
// pointer itself until the release.
class QtWindowMover : public WindowMover
{
public:
    void StartMove(QWidget *window) override;
    void ContinueMove(QWidget *window, const QPoint &pressPointer) override;
};
