#include "window/DragIt.h"

#include "window/PlatformServices.h"
#include "window/WindowMover.h"

void DragIt(QWidget *window)
{
    platform().mover->StartMove(window);
}
