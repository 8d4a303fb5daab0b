#include "app/WindowMakers.h"

#include "about/frmAbout.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"

namespace WindowMakers {

void Install()
{
    OpenWindows::SetMaker<frmColor>();
    OpenWindows::SetMaker<Mixer>();
    OpenWindows::SetMaker<frmAbout>();
}

} // namespace WindowMakers
