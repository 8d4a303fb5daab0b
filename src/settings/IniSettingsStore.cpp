#include "settings/IniSettingsStore.h"

#include "settings/PresetsFileFormat.h"

#include <QSettings>

namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString IniSettingsStore::GetSetting(const QString &application, const QString &section,
                                     const QString &key, const QString &defaultText)
{
    QSettings store(PresetsFileFormat::format(), QSettings::UserScope, application, application);
    const QVariant value = store.value(keyPath(section, key));
    if (!value.isValid())
        return defaultText;
    return value.toString();
}

void IniSettingsStore::SaveSetting(const QString &application, const QString &section,
                                   const QString &key, const QString &text)
{
    QSettings store(PresetsFileFormat::format(), QSettings::UserScope, application, application);
    store.setValue(keyPath(section, key), text);
    store.sync();
}

// One sync replaces the file in one step, so all the values land together.
void IniSettingsStore::SaveSettings(const QString &application, const QString &section,
                                    const QList<QPair<QString, QString>> &keysAndTexts)
{
    QSettings store(PresetsFileFormat::format(), QSettings::UserScope, application, application);
    for (const auto &[key, text] : keysAndTexts)
        store.setValue(keyPath(section, key), text);
    store.sync();
}
