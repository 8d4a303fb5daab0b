#pragma once

#include <functional>

// Ends the program at once: no further handler of any window runs and no
// window performs its closing steps. Everything the saving exits write is
// already on disk by then; a copy of the program's own stays on the
// clipboard.
void endProgram();

// Replaces what endProgram does once the clipboard is seen to (tests record
// the call instead of exiting).
void setProgramEnd(std::function<void()> end);
