#include "platform/QtTopMostBand.h"

#include <QWidget>
#include <QWindow>

void QtTopMostBand::setTopMost(QWidget *window, bool onTop)
{
    if (!window)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *native = window->windowHandle())
        native->setFlags(flags);
    // Keeps QWidget's own copy of the flags in step without touching the window.
    window->overrideWindowFlags(flags);
}

bool QtTopMostBand::isTopMost(const QWidget *window) const
{
    return window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
