#pragma once

#include <QString>

// The two places where the desktop may tell us about its system-information
// program, read the way the About box reads them.
enum class SysInfoKey {
    // The full path of a system-information program.
    ToolPath,
    // A directory in which one of the known system-information programs may lie.
    ToolDirectory
};

class SysInfoSource
{
public:
    virtual ~SysInfoSource() = default;

    // True and the value in text when the key has one; false and empty text otherwise.
    virtual bool GetKeyValue(SysInfoKey key, QString &text) = 0;
    virtual bool fileExists(const QString &path) const = 0;
};
