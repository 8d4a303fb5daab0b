#pragma once

class QPoint;
class QWidget;

// The window manager's own menu of a top-level window (move, minimise,
// close and the like), where the desktop offers one.
class WindowMenu
{
public:
    virtual ~WindowMenu() = default;
    // Opens it with its corner at a point of the screen.
    virtual void popUp(QWidget *window, const QPoint &screenPoint) = 0;
};
