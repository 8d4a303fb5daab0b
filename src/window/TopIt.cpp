#include "window/TopIt.h"

#include "window/PlatformServices.h"
#include "window/TopMostBand.h"

void TopIt(QWidget *window, qint16 onTopFlag)
{
    platform().topMostBand->SetTopMost(window, onTopFlag == -1);
}
