#include "app/RealPlatform.h"

#include "about/SysInfoLookup.h"
#include "platform/DesktopShell.h"
#include "platform/DesktopSysInfoSource.h"
#include "platform/PlatformServices.h"
#include "platform/PortalColorPicker.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageShower.h"
#include "platform/QtTopMostBand.h"
#include "platform/x11/X11ScreenSampler.h"
#include "platform/x11/X11WindowMenu.h"
#include "platform/x11/X11WindowMover.h"
#include "platform/x11/X11WindowPlace.h"
#include "settings/IniSettingsStore.h"

namespace RealPlatform {

// Made once and never destroyed: they serve until the program's very end.
void install()
{
    installPlatform({new IniSettingsStore, new QtClipboard, new DesktopShell, new X11ScreenSampler,
                     new QtTopMostBand, new X11WindowMover,
                     new DesktopSysInfoSource(SysInfoLookup::KnownTools()), new QtMessageShower,
                     new PortalColorPicker, new X11WindowMenu, new X11WindowPlace});
}

} // namespace RealPlatform
