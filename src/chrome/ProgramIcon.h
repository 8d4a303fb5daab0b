#pragma once

#include <QIcon>

class QWidget;

// The program's icon, the ruler that task bars, docks and window switchers
// show for every window of the program, in sizes from 16 to 256 pixels.
namespace ProgramIcon {

// The 32-pixel picture alone: cheap enough to hold up no window.
QIcon small();
// Every size, 16 to 256 pixels.
QIcon allSizes();
// Once window has been painted for the first time, every window of the
// program gets allSizes(). Decoding the large pictures and sending them to
// the X server takes longer than the ruler's whole first paint, so they come
// after it.
void allSizesAfterFirstPaint(QWidget *window);

} // namespace ProgramIcon
