#include "settings/PresetsFileFormat.h"

#include <QByteArray>
#include <QIODevice>
#include <QMap>
#include <QStringList>

namespace PresetsFileFormat {
namespace {

const QString generalSection = QStringLiteral("General");

bool isPlainKeyCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Keys and section names travel percent-encoded when they hold anything but
// plain characters, as Qt's own INI files have them.
QByteArray encodeName(const QString &name)
{
    QByteArray encoded;
    for (const char c : name.toUtf8()) {
        if (isPlainKeyCharacter(c))
            encoded += c;
        else
            encoded += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0').toUpper();
    }
    return encoded;
}

QString decodeName(const QByteArray &name)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(name));
}

bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace())
        return true;
    for (const QChar c : value) {
        if (c < QLatin1Char(' ') || c == QLatin1Char('"') || c == QLatin1Char('\\') ||
            c == QLatin1Char(';') || c == QLatin1Char(',') || c == QLatin1Char('#'))
            return true;
    }
    return false;
}

QByteArray encodeValue(const QString &value)
{
    if (!needsQuotes(value))
        return value.toUtf8();
    QByteArray encoded("\"");
    for (const char c : value.toUtf8()) {
        switch (c) {
        case '"':
            encoded += "\\\"";
            break;
        case '\\':
            encoded += "\\\\";
            break;
        case '\n':
            encoded += "\\n";
            break;
        case '\r':
            encoded += "\\r";
            break;
        case '\t':
            encoded += "\\t";
            break;
        default:
            if (uchar(c) < 0x20)
                encoded += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
            else
                encoded += c;
        }
    }
    return encoded + '"';
}

// Escapes inside one quoted value; an escape that makes no sense stays as
// written.
QString decodeQuoted(const QByteArray &quoted)
{
    QByteArray decoded;
    for (int i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\' || i + 1 == quoted.size()) {
            decoded += c;
            continue;
        }
        const char next = quoted[++i];
        if (next == 'n')
            decoded += '\n';
        else if (next == 'r')
            decoded += '\r';
        else if (next == 't')
            decoded += '\t';
        else if (next == 'x' && i + 2 < quoted.size()) {
            bool ok = false;
            const int code = quoted.mid(i + 1, 2).toInt(&ok, 16);
            decoded += ok ? char(code) : 'x';
            i += ok ? 2 : 0;
        } else
            decoded += next;
    }
    return QString::fromUtf8(decoded);
}

QString decodeValue(const QByteArray &raw)
{
    const QByteArray value = raw.trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return decodeQuoted(value.mid(1, value.size() - 2));
    return QString::fromUtf8(value);
}

} // namespace

QSettings::Format format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("conf"), read, write, Qt::CaseSensitive);
    return registered;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    QString section;
    for (const QByteArray &rawLine : device.readAll().split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = decodeName(line.mid(1, line.size() - 2).trimmed());
            if (section.compare(generalSection, Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QString key = decodeName(line.left(equals).trimmed());
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key,
                   decodeValue(line.mid(equals + 1)));
    }
    return true;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    QMap<QString, QList<QPair<QString, QString>>> sections;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        const int slash = entry.key().lastIndexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? generalSection : entry.key().left(slash);
        const QString key = slash < 0 ? entry.key() : entry.key().mid(slash + 1);
        sections[section].append({key, entry.value().toString()});
    }
    QByteArray text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + encodeName(section.key()) + "]\n";
        for (const auto &[key, value] : section.value())
            text += encodeName(key) + '=' + encodeValue(value) + '\n';
    }
    return device.write(text) == text.size();
}

} // namespace PresetsFileFormat
