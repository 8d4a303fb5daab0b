#include "window/ShowIt.h"

#include <QWidget>

// show() alone leaves a minimised window where it is, in the task bar.
void ShowIt(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
