#pragma once

#include "platform/SysInfoSource.h"

// Linux has no registry: the tool path is the first known system-information
// program on the user's PATH, and the tool directory is the distribution's
// program directory, which a stripped PATH may leave out.
class DesktopSysInfoSource : public SysInfoSource
{
public:
    bool GetKeyValue(SysInfoKey key, QString &text) override;
    bool FileExists(const QString &path) const override;
};
