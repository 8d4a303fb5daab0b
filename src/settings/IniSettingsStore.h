#pragma once

#include "platform/SettingsStore.h"

// The store as an INI file under the user's configuration directory,
// $XDG_CONFIG_HOME/<application>/<application>.conf. Each call reads the file
// anew; each write replaces it in one step, synced to disk before it returns,
// so a program that ends at once right after a saving exit loses nothing.
//
// The file is the program's own: a write keeps the program's keys that are
// there and leaves out everything else, and only a regular file is read or
// replaced. Anything else at the file's place (a pipe, a device, a
// directory) counts as no store and is never written through. A symbolic
// link is written through to its target, made there when it is missing; a
// file the user made read-only, or one the program cannot read, is left as
// it is.
class IniSettingsStore : public SettingsStore
{
public:
    QMap<QString, QString> getSettings(const QString &application, const QString &section,
                                       const QStringList &keys) override;
    void saveSettings(const QString &application, const QString &section,
                      const QList<QPair<QString, QString>> &keysAndTexts) override;

    // Where the application's store lies by the XDG base-directory rules:
    // under $XDG_CONFIG_HOME when that is an absolute path, else under
    // $HOME/.config. Empty when the user has no usable home: there is then
    // no store, nothing is read and nothing written.
    static QString filePath(const QString &application);
};
