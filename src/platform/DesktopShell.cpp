#include "platform/DesktopShell.h"

#include <QProcess>

bool DesktopShell::open(const QString &pathOrUrl)
{
    return startProgram(QStringLiteral("xdg-open"), {pathOrUrl});
}

bool DesktopShell::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
