#include "settings/SettingsWriting.h"

#include "platform/PlatformServices.h"
#include "platform/SettingsStore.h"

SettingsWriting &SettingsWriting::truth(Settings::Key key, bool value)
{
    return add(key, Settings::Type::Truth, Settings::truthText(value));
}

SettingsWriting &SettingsWriting::edge(Settings::Key key, float twips)
{
    return add(key, Settings::Type::Edge, Settings::edgeText(twips));
}

SettingsWriting &SettingsWriting::integer(Settings::Key key, int value)
{
    return add(key, Settings::Type::Integer, Settings::integerText(value));
}

void SettingsWriting::save() const
{
    platform().settings->saveSettings(QLatin1String(Settings::application),
                                      QLatin1String(Settings::section), texts);
}

SettingsWriting &SettingsWriting::add(Settings::Key key, Settings::Type type, const QString &text)
{
    Q_ASSERT(Settings::entry(key).type == type);
    texts.append({Settings::name(key), text});
    return *this;
}
