#include "settings/SettingsReading.h"

#include "platform/PlatformServices.h"
#include "platform/SettingsStore.h"

namespace {

QStringList namesOf(const QList<Settings::Key> &keys)
{
    QStringList names;
    for (const Settings::Key key : keys)
        names << Settings::name(key);
    return names;
}

} // namespace

SettingsReading::SettingsReading(const QList<Settings::Key> &keys)
    : stored(platform().settings->getSettings(QLatin1String(Settings::application),
                                              QLatin1String(Settings::section), namesOf(keys)))
{
}

QString SettingsReading::text(Settings::Key key, Settings::Type type) const
{
    const Settings::Entry &entry = Settings::entry(key);
    Q_ASSERT(entry.type == type);
    return stored.value(QLatin1String(entry.name), QLatin1String(entry.absentText));
}

std::optional<bool> SettingsReading::truth(Settings::Key key) const
{
    return Settings::truthFromText(text(key, Settings::Type::Truth));
}

std::optional<float> SettingsReading::edge(Settings::Key key) const
{
    return Settings::edgeFromText(text(key, Settings::Type::Edge));
}

std::optional<qint16> SettingsReading::integer(Settings::Key key) const
{
    return Settings::integerFromText(text(key, Settings::Type::Integer));
}
