#include "window/IniSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// A hand-edited value with an unquoted comma reads back as a list; give the
// caller the text as it stands in the file rather than nothing.
QString valueText(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

QString IniSettingsStore::GetSetting(const QString &application, const QString &section,
                                     const QString &key, const QString &defaultText)
{
    QSettings store(application, application);
    const QVariant value = store.value(keyPath(section, key));
    if (!value.isValid())
        return defaultText;
    return valueText(value);
}

void IniSettingsStore::SaveSetting(const QString &application, const QString &section,
                                   const QString &key, const QString &text)
{
    QSettings store(application, application);
    store.setValue(keyPath(section, key), text);
    store.sync();
}

// One sync replaces the file in one step, so all the values land together.
void IniSettingsStore::SaveSettings(const QString &application, const QString &section,
                                    const QList<QPair<QString, QString>> &keysAndTexts)
{
    QSettings store(application, application);
    for (const auto &[key, text] : keysAndTexts)
        store.setValue(keyPath(section, key), text);
    store.sync();
}
