#include "platform/ProgramEnd.h"

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

void EndProgram()
{
    programEnd()();
}

void setProgramEnd(std::function<void()> end)
{
    programEnd() = std::move(end);
}
