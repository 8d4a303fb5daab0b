#include "platform/DesktopSysInfoSource.h"

#include <QFileInfo>
#include <QStandardPaths>

DesktopSysInfoSource::DesktopSysInfoSource(const QStringList &knownTools) : knownTools(knownTools)
{
}

bool DesktopSysInfoSource::GetKeyValue(SysInfoKey key, QString &text)
{
    text.clear();
    if (key == SysInfoKey::ToolDirectory) {
        text = QStringLiteral("/usr/bin");
        return true;
    }
    for (const QString &tool : knownTools) {
        text = QStandardPaths::findExecutable(tool);
        if (!text.isEmpty())
            return true;
    }
    return false;
}

bool DesktopSysInfoSource::fileExists(const QString &path) const
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}
