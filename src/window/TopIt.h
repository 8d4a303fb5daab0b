#pragma once

#include <QtGlobal>

class QWidget;

// Exactly -1 puts the window in the top-most band; any other flag takes it
// out. Position and size are unchanged.
void TopIt(QWidget *window, qint16 onTopFlag);
