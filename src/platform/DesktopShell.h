#pragma once

#include "platform/Shell.h"

// Opens through xdg-open and starts programs with QProcess, without a shell.
class DesktopShell : public Shell
{
public:
    bool open(const QString &pathOrUrl) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};
