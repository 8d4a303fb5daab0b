#include "window/OuterRect.h"

#include <QWidget>

QRect OuterRect(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) ? window->geometry()
                                                                   : window->frameGeometry();
}
