#pragma once

#include "platform/Shell.h"

// Opens through xdg-open and starts programs with QProcess, without a shell.
class DesktopShell : public Shell
{
public:
    bool Open(const QString &pathOrUrl) override;
    bool StartProgram(const QString &program, const QStringList &arguments) override;
};
