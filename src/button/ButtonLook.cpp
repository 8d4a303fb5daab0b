#include "button/ButtonLook.h"

void ButtonLook::setSize(qint32 width, qint32 height)
{
    W = width;
    H = height;
    TextRect = QRect(0, 0, W, H);
    // The pressed caption area keeps its top-left corner at (2, 2).
    PressedTextRect.setRight(W - 1);
    PressedTextRect.setBottom(H - 1);
    FocusRect = QRect(QPoint(4, 4), QPoint(W - 5, H - 5));
}
