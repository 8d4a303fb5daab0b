#include "window/DragIt.h"

#include "platform/PlatformServices.h"
#include "platform/WindowMover.h"

void DragIt(QWidget *window)
{
    platform().mover->startMove(window);
}

void DragIt(QWidget *window, const QPoint &pressPointer)
{
    platform().mover->continueMove(window, pressPointer);
}
