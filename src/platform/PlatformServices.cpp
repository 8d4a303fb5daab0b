#include "platform/PlatformServices.h"

#include "platform/DesktopShell.h"
#include "platform/DesktopSysInfoSource.h"
#include "platform/PortalColorPicker.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageShower.h"
#include "platform/QtTopMostBand.h"
#include "platform/QtWindowMover.h"
#include "platform/x11/X11ScreenSampler.h"
#include "platform/x11/X11WindowMenu.h"
#include "platform/x11/X11WindowPlace.h"
#include "settings/IniSettingsStore.h"

namespace {

PlatformServices &installed()
{
    static PlatformServices services;
    return services;
}

template <typename Real, typename Service> Service *orReal(Service *&slot)
{
    if (!slot)
        slot = new Real; // lives as long as the program
    return slot;
}

} // namespace

PlatformServices &platform()
{
    PlatformServices &services = installed();
    orReal<IniSettingsStore>(services.settings);
    orReal<QtClipboard>(services.clipboard);
    orReal<DesktopShell>(services.shell);
    orReal<X11ScreenSampler>(services.sampler);
    orReal<QtTopMostBand>(services.topMostBand);
    orReal<QtWindowMover>(services.mover);
    orReal<DesktopSysInfoSource>(services.sysInfo);
    orReal<QtMessageShower>(services.messages);
    orReal<PortalColorPicker>(services.colorPicker);
    orReal<X11WindowMenu>(services.windowMenu);
    orReal<X11WindowPlace>(services.windowPlace);
    return services;
}

PlatformServices installPlatform(const PlatformServices &services)
{
    const PlatformServices previous = installed();
    installed() = services;
    return previous;
}
