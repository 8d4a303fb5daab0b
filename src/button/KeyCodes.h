#pragma once

#include <Qt>
#include <QtGlobal>

// The key numbers, shift masks and mouse buttons the button's events carry:
// key codes as the desktop's virtual keys (letters and digits their
// upper-case character).
namespace KeyCodes {

constexpr qint16 Return = 13;
constexpr qint16 Space = 32;
constexpr qint16 Left = 37;
constexpr qint16 Up = 38;
constexpr qint16 Right = 39;
constexpr qint16 Down = 40;

constexpr qint16 ShiftMask = 1;
constexpr qint16 CtrlMask = 2;
constexpr qint16 AltMask = 4;

qint16 virtualKeyOf(int qtKey);
qint16 shiftMaskOf(Qt::KeyboardModifiers modifiers);

} // namespace KeyCodes

// The same numbers as Qt's.
namespace MouseButton {

constexpr qint16 Left = 1;
constexpr qint16 Right = 2;

} // namespace MouseButton
