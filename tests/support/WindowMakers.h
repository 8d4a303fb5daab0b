#pragma once

#include "about/frmAbout.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"

// The makers the program installs for the windows the ruler opens by role,
// for tests that open them from the ruler; such a test links the colour and
// about libraries besides its own.
inline void installWindowMakers()
{
    OpenWindows::setMaker<frmColor>();
    OpenWindows::setMaker<Mixer>();
    OpenWindows::setMaker<frmAbout>();
}
