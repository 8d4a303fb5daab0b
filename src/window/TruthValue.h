#pragma once

#include <QtGlobal>

// The program's 16-bit truth value: -1 is true, 0 is false.
constexpr qint16 vbTrue = -1;
constexpr qint16 vbFalse = 0;

constexpr qint16 toTruth(bool value)
{
    return value ? vbTrue : vbFalse;
}
