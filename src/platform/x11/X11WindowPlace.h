#pragma once

#include "platform/WindowPlace.h"

// Asks the X server itself; where Qt does not run on xcb, Qt's own place
// and move serve.
class X11WindowPlace : public WindowPlace
{
public:
    QPoint PlaceOf(const QWidget *window) override;
    void MoveTo(QWidget *window, const QPoint &place) override;
};
