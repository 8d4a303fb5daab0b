#include "button/KeyCodes.h"

#include <QHash>

namespace KeyCodes {

namespace {

const QHash<int, qint16> &namedKeys()
{
    static const QHash<int, qint16> keys{
        {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},
        {Qt::Key_Return, Return}, {Qt::Key_Enter, Return}, {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},       {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},    {Qt::Key_Space, Space},
        {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},
        {Qt::Key_Home, 36},       {Qt::Key_Left, Left},    {Qt::Key_Up, Up},
        {Qt::Key_Right, Right},   {Qt::Key_Down, Down},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    return keys;
}

} // namespace

qint16 virtualKeyOf(int qtKey)
{
    const auto named = namedKeys().constFind(qtKey);
    if (named != namedKeys().cend())
        return *named;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<qint16>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<qint16>(112 + (qtKey - Qt::Key_F1));
    // Other printable keys keep their character code.
    return qtKey > 0 && qtKey < 0x100 ? static_cast<qint16>(qtKey) : 0;
}

qint16 shiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        mask |= AltMask;
    return mask;
}

} // namespace KeyCodes
