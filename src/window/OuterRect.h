#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// The window's outer rectangle as the user sees it: with the frame the window
// manager draws around it, and the window alone when it has no title bar and
// no border, whatever margin the window manager keeps around it unseen
// (weston keeps room for a shadow round every X window, which Qt takes for a
// frame).
QRect outerRect(const QWidget *window);

// The top-left corner of that rectangle where the window really stands, read
// from the windowing system: after a move the window manager refused, Qt's
// own idea is the place it asked for.
QPoint outerPlace(const QWidget *window);
