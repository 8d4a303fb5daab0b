#include "window/OuterRect.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"

#include <QWidget>

QRect OuterRect(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) ? window->geometry()
                                                                   : window->frameGeometry();
}

QPoint OuterPlace(const QWidget *window)
{
    const QPoint frame = OuterRect(window).topLeft() - window->geometry().topLeft();
    return platform().windowPlace->placeOf(window) + frame;
}
