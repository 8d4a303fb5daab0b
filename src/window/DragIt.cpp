#include "window/DragIt.h"

#include "window/PlatformServices.h"
#include "window/WindowMover.h"

void DragIt(QWidget *window)
{
    platform().mover->StartMove(window);
}

void DragIt(QWidget *window, const QPoint &pressPointer)
{
    platform().mover->ContinueMove(window, pressPointer);
}
