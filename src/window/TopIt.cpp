#include "window/TopIt.h"

#include "platform/PlatformServices.h"
#include "platform/TopMostBand.h"

void TopIt(QWidget *window, qint16 onTopFlag)
{
    platform().topMostBand->setTopMost(window, onTopFlag == -1);
}
