#include "platform/ProgramEnd.h"

#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::function<void()> &programEnd()
{
    static std::function<void()> end = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return end;
}

} // namespace

void endProgram()
{
    platform().clipboard->outliveProgram();
    programEnd()();
}

void setProgramEnd(std::function<void()> end)
{
    programEnd() = std::move(end);
}
