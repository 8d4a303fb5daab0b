#pragma once

class QWidget;

// Shows a window the user asked for again: restored when it was minimised,
// raised above its neighbours and given the keyboard.
void ShowIt(QWidget *window);
