#pragma once

#include <QStringList>

// The command of a freedesktop menu entry (a .desktop file), for starting
// the application with no file: the Exec line split into the program and
// its arguments, with the field codes for files and addresses dropped.
namespace DesktopEntry {

// The command of the entry the desktop gives as the default application
// for the MIME type (xdg-mime query default), or nothing when none is set,
// its file cannot be found or it names no command. An entry that runs in a
// terminal is started in x-terminal-emulator.
QStringList defaultCommand(const QString &mimeType);

// The command of the Exec line of the entry in the file at path, whose Name
// and Icon are given for its %c and %i codes; nothing when the line is
// empty or its quoting is broken.
QStringList command(const QString &exec, const QString &path, const QString &name,
                    const QString &icon);

} // namespace DesktopEntry
