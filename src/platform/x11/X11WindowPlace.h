#pragma once

#include "platform/WindowPlace.h"

class X11Connection;

// Asks the X server itself; where Qt does not run on xcb, Qt's own place
// and move serve.
class X11WindowPlace : public WindowPlace
{
public:
    QPoint placeOf(const QWidget *window) override;
    void moveTo(QWidget *window, const QPoint &place) override;
    void askSize(QWidget *window, const QSize &size) override;
    void placedAlone(QWidget *window) override;

private:
    bool managerResizesInPlace(X11Connection &x11);

    // Whether the window manager takes _NET_MOVERESIZE_WINDOW, asked once.
    int resizesInPlace = -1;
};
