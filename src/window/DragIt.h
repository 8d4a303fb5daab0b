#pragma once

class QWidget;

// Starts a move of the window as if its title bar had been pressed. Called
// from left-button presses on drag handles only.
void DragIt(QWidget *window);
