#pragma once

#include <QSettings>

// The store's file format: INI as the store has always written it, read one
// line at a time. A damaged line (an unclosed quote, a trailing backslash,
// binary bytes) costs only its own key, where Qt's INI reader lets such a
// value run on into the lines below and swallow their keys.
namespace PresetsFileFormat {

// The format, registered with QSettings on first use.
QSettings::Format format();

bool read(QIODevice &device, QSettings::SettingsMap &map);
bool write(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace PresetsFileFormat
