#include "platform/DesktopEntry.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace DesktopEntry {

namespace {

// The Exec line's value, with the escapes of every string value (\s \n \t
// \r \\) undone; the quoting of arguments is left for the split.
QString unescapedValue(const QString &value)
{
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            text += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else
            text += QLatin1Char('\\') + QString(next);
    }
    return text;
}

// The Exec line's arguments: separated by blanks, a double-quoted one may
// hold blanks, and inside the quotes a backslash keeps the next character.
bool splitArguments(const QString &line, QStringList &arguments)
{
    QString current;
    bool inArgument = false, quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < line.size()) {
            current += line[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return !quoted;
}

// One argument with its field codes expanded; a code that stands for files
// or addresses (%f %F %u %U, and the deprecated ones) gives nothing.
QStringList expanded(const QString &argument, const QString &path, const QString &name,
                     const QString &icon)
{
    if (argument == QLatin1String("%i"))
        return icon.isEmpty() ? QStringList() : QStringList{QStringLiteral("--icon"), icon};
    QString text;
    for (int i = 0; i < argument.size(); ++i) {
        if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
            text += argument[i];
            continue;
        }
        const QChar code = argument[++i];
        if (code == QLatin1Char('%'))
            text += QLatin1Char('%');
        else if (code == QLatin1Char('c'))
            text += name;
        else if (code == QLatin1Char('k'))
            text += path;
    }
    return text.isEmpty() && argument.startsWith(QLatin1Char('%')) ? QStringList()
                                                                   : QStringList{text};
}

QString defaultEntry(const QString &mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000) || query.exitCode() != 0)
        return QString();
    // Several entries may be given, separated by semicolons; the first is it.
    return QString::fromUtf8(query.readAllStandardOutput())
        .trimmed()
        .section(QLatin1Char(';'), 0, 0);
}

} // namespace

QStringList command(const QString &exec, const QString &path, const QString &name,
                    const QString &icon)
{
    QStringList arguments;
    if (!splitArguments(unescapedValue(exec), arguments))
        return {};
    QStringList command;
    for (const QString &argument : arguments)
        command += expanded(argument, path, name, icon);
    return command;
}

QStringList defaultCommand(const QString &mimeType)
{
    const QString id = defaultEntry(mimeType);
    if (id.isEmpty())
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inMainGroup = false, terminal = false;
    QString exec, name, icon;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QLatin1String("Exec=")))
            exec = line.mid(5);
        else if (inMainGroup && line.startsWith(QLatin1String("Name=")))
            name = line.mid(5);
        else if (inMainGroup && line.startsWith(QLatin1String("Icon=")))
            icon = line.mid(5);
        else if (inMainGroup && line.startsWith(QLatin1String("Terminal=")))
            terminal = line.mid(9) == QLatin1String("true");
    }
    QStringList argv = command(exec, path, name, icon);
    if (terminal && !argv.isEmpty())
        argv = QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + argv;
    return argv;
}

} // namespace DesktopEntry
