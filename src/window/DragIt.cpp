#include "window/DragIt.h"

#include "platform/PlatformServices.h"
#include "platform/WindowMover.h"

void DragIt(QWidget *window, const QPoint &pressPointer)
{
    platform().mover->startMove(window, pressPointer);
}

void DragItAfterTravel(QWidget *window, const QPoint &pressPointer)
{
    platform().mover->continueMove(window, pressPointer);
}
