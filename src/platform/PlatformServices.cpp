#include "platform/PlatformServices.h"

namespace {

PlatformServices &installed()
{
    static PlatformServices services;
    return services;
}

} // namespace

PlatformServices &platform()
{
    return installed();
}

PlatformServices installPlatform(const PlatformServices &services)
{
    const PlatformServices previous = installed();
    installed() = services;
    return previous;
}
