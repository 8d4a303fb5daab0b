#include "window/PlatformServices.h"

#include "window/DesktopShell.h"
#include "window/IniSettingsStore.h"
#include "window/QtClipboard.h"
#include "window/QtTopMostBand.h"
#include "window/QtWindowMover.h"
#include "window/X11ScreenSampler.h"

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
    return services;
}

PlatformServices installPlatform(const PlatformServices &services)
{
    const PlatformServices previous = installed();
    installed() = services;
    return previous;
}
