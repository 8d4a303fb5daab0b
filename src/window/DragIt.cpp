#include "window/DragIt.h"

#include "platform/PlatformServices.h"
#include "platform/WindowMover.h"

void DragIt(QWidget *window)
{
    platform().mover->StartMove(window);
}

void DragIt(QWidget *window, const QPoint &pressPointer)
{
    platform().mover->ContinueMove(window, pressPointer);
}
