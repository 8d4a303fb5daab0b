#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// The per-user store of the program's presets: text values addressed by
// application, section and key. Implementations keep nothing in memory, so
// every read sees the last write of any running copy.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored texts of the keys asked for, in one read of the store; a key
    // that is absent or unreadable has no entry.
    virtual QMap<QString, QString> getSettings(const QString &application, const QString &section,
                                               const QStringList &keys) = 0;
    // Several values, written in the given order, each replacing any earlier
    // one, and reaching the store together: a program killed halfway through
    // leaves either all of them or none. Failures are silent.
    virtual void saveSettings(const QString &application, const QString &section,
                              const QList<QPair<QString, QString>> &keysAndTexts) = 0;
};
