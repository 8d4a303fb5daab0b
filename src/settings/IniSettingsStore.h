#pragma once

#include "settings/SettingsStore.h"

// The store as an INI file under the user's configuration directory
// ($XDG_CONFIG_HOME/<application>/<application>.conf). Each call opens the
// file anew and each write is synced to disk before it returns, so a program
// that ends at once right after a saving exit loses nothing.
class IniSettingsStore : public SettingsStore
{
public:
    QString GetSetting(const QString &application, const QString &section, const QString &key,
                       const QString &defaultText) override;
    void SaveSetting(const QString &application, const QString &section, const QString &key,
                     const QString &text) override;
    void SaveSettings(const QString &application, const QString &section,
                      const QList<QPair<QString, QString>> &keysAndTexts) override;
};
