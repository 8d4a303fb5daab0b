#include "app/WindowMakers.h"

#include "about/frmAbout.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"

namespace WindowMakers {

void install()
{
    OpenWindows::setMaker<frmColor>();
    OpenWindows::setMaker<Mixer>();
    OpenWindows::setMaker<frmAbout>();
}

} // namespace WindowMakers
