#include "platform/PlatformServices.h"

#include "platform/DesktopShell.h"
#include "platform/DesktopSysInfoSource.h"
#include "platform/PortalColorPicker.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageShower.h"
#include "platform/QtTopMostBand.h"
#include "platform/QtWindowMover.h"
#include "platform/X11ScreenSampler.h"
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
    return services;
}

PlatformServices installPlatform(const PlatformServices &services)
{
    const PlatformServices previous = installed();
    installed() = services;
    return previous;
}
