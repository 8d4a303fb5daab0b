#pragma once

#include "platform/SysInfoSource.h"

#include <QSet>
#include <QStringList>

// Answers the two keys from its members; a null member is a key without value.
class FakeSysInfoSource : public SysInfoSource
{
public:
    bool GetKeyValue(SysInfoKey key, QString &text) override
    {
        const QString &value = key == SysInfoKey::ToolPath ? toolPath : toolDirectory;
        text = value;
        return !value.isNull();
    }
    bool fileExists(const QString &path) const override
    {
        checked << path;
        return files.contains(path);
    }

    QString toolPath;
    QString toolDirectory;
    QSet<QString> files;
    mutable QStringList checked;
};
