#pragma once

#include <QString>

// The operating system's own directory, or empty text where the platform has
// none to report. A Linux desktop has no such directory, so this is empty
// there and callers fall back to the desktop's own programs.
QString GetWin();
