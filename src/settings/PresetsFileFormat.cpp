#include "settings/PresetsFileFormat.h"

#include <QByteArray>

namespace PresetsFileFormat {
namespace {

bool isPlainKeyCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
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

} // namespace

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

QString decodeValue(const QByteArray &raw)
{
    const QByteArray value = raw.trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return decodeQuoted(value.mid(1, value.size() - 2));
    return QString::fromUtf8(value);
}

QByteArray sectionText(const QString &section, const QMap<QString, QString> &values)
{
    QByteArray text = '[' + encodeName(section) + "]\n";
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        text += encodeName(value.key()) + '=' + encodeValue(value.value()) + '\n';
    return text;
}

} // namespace PresetsFileFormat
