#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The store's file format: INI as the store has always written it, read one
// line at a time (PresetsReader). A damaged line (an unclosed quote, a
// trailing backslash, binary bytes) costs only its own key, where Qt's INI
// reader lets such a value run on into the lines below and swallow their
// keys.
namespace PresetsFileFormat {

// Keys and section names: percent-encoded when they hold anything but
// letters, digits, '_', '-' and '.', as in Qt's own INI files.
QByteArray encodeName(const QString &name);
QString decodeName(const QByteArray &name);
// Values: quoted, with escapes, when blanks around them, control characters
// or INI syntax would change them on reading; blanks around an unquoted
// value are not part of it.
QByteArray encodeValue(const QString &value);
QString decodeValue(const QByteArray &raw);

// The whole text of a file that holds one section.
QByteArray sectionText(const QString &section, const QMap<QString, QString> &values);

} // namespace PresetsFileFormat
