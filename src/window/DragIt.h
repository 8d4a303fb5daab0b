#pragma once

class QPoint;
class QWidget;

// Starts a move of the window as if its title bar had been pressed at
// pressPointer. Called from left-button presses on drag handles only.
void DragIt(QWidget *window, const QPoint &pressPointer);

// The same for a press at pressPointer that the pointer has since left: the
// window catches up with that travel and keeps the pressed point under the
// pointer.
void DragItAfterTravel(QWidget *window, const QPoint &pressPointer);
