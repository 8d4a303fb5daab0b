#include "settings/SettingsWriting.h"

#include "platform/PlatformServices.h"
#include "platform/SettingsStore.h"

SettingsWriting &SettingsWriting::Truth(Settings::Key key, bool value)
{
    return add(key, Settings::Type::Truth, Settings::truthText(value));
}

SettingsWriting &SettingsWriting::Edge(Settings::Key key, float twips)
{
    return add(key, Settings::Type::Edge, Settings::edgeText(twips));
}

SettingsWriting &SettingsWriting::Integer(Settings::Key key, int value)
{
    return add(key, Settings::Type::Integer, Settings::integerText(value));
}

void SettingsWriting::Save() const
{
    platform().settings->SaveSettings(QLatin1String(Settings::application),
                                      QLatin1String(Settings::section), texts);
}

SettingsWriting &SettingsWriting::add(Settings::Key key, Settings::Type type, const QString &text)
{
    Q_ASSERT(Settings::entry(key).type == type);
    texts.append({Settings::name(key), text});
    return *this;
}
