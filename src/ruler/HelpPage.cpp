#include "ruler/HelpPage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace HelpPage {

QString path()
{
    const QString programDirectory = QCoreApplication::applicationDirPath();
    const QString beside = programDirectory + QStringLiteral("/Ombrix_Help.htm");
    const QString installed = programDirectory + QStringLiteral("/../share/ombrix/Ombrix_Help.htm");
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return QFileInfo(installed).canonicalFilePath();
    return beside;
}

} // namespace HelpPage
