#include "window/GetWin.h"

QString GetWin()
{
    return QString();
}
