#include "settings/Settings.h"

#include "settings/SettingConversions.h"

namespace Settings {
namespace {

// In the order of Key. Only Pix defaults to true: a first run ticks Pixels
// alone. A position that is absent reads as no text, which no window takes.
const Entry table[KeyCount] = {
    {"Pix", Type::Truth, "True"},     // Pixels ticked
    {"Points", Type::Truth, "False"}, // Points ticked
    {"Charac", Type::Truth, "False"}, // Characters ticked
    {"Inch", Type::Truth, "False"},   // Inches ticked
    {"Milli", Type::Truth, "False"},  // Millimeters ticked
    {"Centi", Type::Truth, "False"},  // Centimeters ticked
    {"Twips", Type::Truth, "False"},  // Twips ticked
    {"X_L", Type::Edge, ""},          // the ruler's left edge
    {"X_T", Type::Edge, ""},          // the ruler's top edge
    {"S_L", Type::Edge, ""},          // Color Spy's left edge
    {"S_T", Type::Edge, ""},          // Color Spy's top edge
    {"M_L", Type::Edge, ""},          // Color Mixer's left edge
    {"M_T", Type::Edge, ""},          // Color Mixer's top edge
    {"H1", Type::Integer, "0"},       // the mixer's red bar
    {"H2", Type::Integer, "0"},       // the mixer's green bar
    {"H3", Type::Integer, "0"},       // the mixer's blue bar
};

} // namespace

const Entry &entry(Key key)
{
    return table[key];
}

QString name(Key key)
{
    return QLatin1String(table[key].name);
}

QStringList allNames()
{
    QStringList names;
    for (const Entry &each : table)
        names << QLatin1String(each.name);
    return names;
}

std::optional<bool> truthFromText(const QString &text)
{
    return SettingConversions::truthFromText(text);
}

std::optional<float> edgeFromText(const QString &text)
{
    return SettingConversions::singleFromText(text);
}

std::optional<qint16> integerFromText(const QString &text)
{
    return SettingConversions::int16FromText(text);
}

QString truthText(bool value)
{
    return SettingConversions::truthText(value);
}

QString edgeText(float twips)
{
    return SettingConversions::singleText(twips);
}

QString integerText(int value)
{
    return QString::number(value);
}

} // namespace Settings
