#include "about/SysInfoLookup.h"

#include "platform/SysInfoSource.h"

#include <QDir>

namespace SysInfoLookup {

QStringList KnownTools()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor")};
}

bool FindSysInfoTool(SysInfoSource &source, QString &program)
{
    program.clear();
    QString text;
    if (source.GetKeyValue(SysInfoKey::ToolPath, text) && !text.isEmpty()) {
        program = text;
        return true;
    }
    if (!source.GetKeyValue(SysInfoKey::ToolDirectory, text) || text.isEmpty())
        return false;
    const QDir directory(text);
    for (const QString &tool : KnownTools()) {
        const QString path = directory.filePath(tool);
        if (source.fileExists(path)) {
            program = path;
            return true;
        }
    }
    return false;
}

} // namespace SysInfoLookup
