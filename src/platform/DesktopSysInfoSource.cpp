#include "platform/DesktopSysInfoSource.h"

#include "about/SysInfoLookup.h"

#include <QFileInfo>
#include <QStandardPaths>

bool DesktopSysInfoSource::GetKeyValue(SysInfoKey key, QString &text)
{
    text.clear();
    if (key == SysInfoKey::ToolDirectory) {
        text = QStringLiteral("/usr/bin");
        return true;
    }
    for (const QString &tool : SysInfoLookup::KnownTools()) {
        text = QStandardPaths::findExecutable(tool);
        if (!text.isEmpty())
            return true;
    }
    return false;
}

bool DesktopSysInfoSource::FileExists(const QString &path) const
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}
