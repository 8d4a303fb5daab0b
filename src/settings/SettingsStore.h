#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The per-user store of the program's presets: text values addressed by
// application, section and key. Implementations keep nothing in memory, so
// every read sees the last write of any running copy.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultText when the key is absent or unreadable.
    virtual QString GetSetting(const QString &application, const QString &section,
                               const QString &key, const QString &defaultText) = 0;
    // Creates what is needed and replaces any earlier value. Failures are silent.
    virtual void SaveSetting(const QString &application, const QString &section, const QString &key,
                             const QString &text) = 0;
    // Several values, written in the given order and reaching the store
    // together where it can: a program killed halfway through leaves either
    // all of them or none.
    virtual void SaveSettings(const QString &application, const QString &section,
                              const QList<QPair<QString, QString>> &keysAndTexts)
    {
        for (const auto &[key, text] : keysAndTexts)
            SaveSetting(application, section, key, text);
    }
};
