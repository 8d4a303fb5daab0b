#include "window/OuterRect.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"

#include <QWidget>

QRect outerRect(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) ? window->geometry()
                                                                   : window->frameGeometry();
}

QPoint outerPlace(const QWidget *window)
{
    const QPoint frame = outerRect(window).topLeft() - window->geometry().topLeft();
    return platform().windowPlace->placeOf(window) + frame;
}
