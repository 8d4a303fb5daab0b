#pragma once

#include <Qt>
#include <QtGlobal>

// The key numbers and shift masks the button's keyboard events carry: key
// codes as the desktop's virtual keys (Space 32, Left 37, Up 38, Right 39,
// Down 40, letters and digits their upper-case character), shift masks 1
// Shift, 2 Ctrl, 4 Alt.
namespace KeyCodes {

qint16 virtualKeyOf(int qtKey);
qint16 shiftMaskOf(Qt::KeyboardModifiers modifiers);

} // namespace KeyCodes
