#pragma once

#include "platform/SysInfoSource.h"

#include <QStringList>

// Linux has no registry: the tool path is the first of the known
// system-information programs on the user's PATH, and the tool directory is
// the distribution's program directory, which a stripped PATH may leave out.
class DesktopSysInfoSource : public SysInfoSource
{
public:
    // The programs in order of preference, as the About box knows them.
    explicit DesktopSysInfoSource(const QStringList &knownTools);

    bool GetKeyValue(SysInfoKey key, QString &text) override;
    bool fileExists(const QString &path) const override;

private:
    const QStringList knownTools;
};
