#include "platform/DesktopShell.h"

#include <QProcess>

bool DesktopShell::Open(const QString &pathOrUrl)
{
    return StartProgram(QStringLiteral("xdg-open"), {pathOrUrl});
}

bool DesktopShell::StartProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
