#include "ruler/TextEditor.h"

#include "platform/DesktopEntry.h"
#include "window/GetWin.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace TextEditor {

namespace {

QString fromList()
{
    // Where the operating system has an editor of its own in its directory,
    // that one comes first.
    const QString systemDirectory = GetWin();
    if (!systemDirectory.isEmpty()) {
        const QString notepad = systemDirectory + QStringLiteral("/Notepad.exe");
        if (QFileInfo(notepad).isExecutable())
            return notepad;
    }
    static const char *const editors[] = {
        "gnome-text-editor", "gedit",   "kate",  "kwrite", "mousepad", "pluma", "xed",
        "featherpad",        "leafpad", "xedit",
    };
    for (const char *editor : editors) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

} // namespace

QStringList command()
{
    const QStringList usersDefault = DesktopEntry::defaultCommand(QStringLiteral("text/plain"));
    if (!usersDefault.isEmpty())
        return usersDefault;
    const QString editor = fromList();
    return editor.isEmpty() ? QStringList() : QStringList{editor};
}

} // namespace TextEditor
