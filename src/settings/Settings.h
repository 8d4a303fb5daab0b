#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's keys in the settings store (application "Ombrix", section
// "Presets"), each with its type, the text read when it is absent and its
// conversion between the stored text and the value a window applies. A
// window reads its keys with a SettingsReading and writes them with a
// SettingsWriting, and never sees a stored text.
namespace Settings {

constexpr char application[] = "Ombrix";
constexpr char section[] = "Presets";

enum Key {
    Pix,
    Points,
    Charac,
    Inch,
    Milli,
    Centi,
    Twips,
    X_L,
    X_T,
    S_L,
    S_T,
    M_L,
    M_T,
    H1,
    H2,
    H3,
    KeyCount
};

enum class Type {
    Truth,   // a unit's tick: "True" or "False"
    Edge,    // a window's outer left or top edge in twips, a single-precision number
    Integer, // a scroll bar's value, within 16 bits
};

struct Entry
{
    const char *name;
    Type type;
    const char *absentText; // the default, as the store would write it
};

const Entry &entry(Key key);
QString name(Key key);
// Every key's name: what a write keeps of the store besides the keys it writes.
QStringList allNames();

// Stored text to value: nothing for a text the type cannot take, so the
// window keeps its design value for that key alone.
std::optional<bool> truthFromText(const QString &text);
std::optional<float> edgeFromText(const QString &text);
std::optional<qint16> integerFromText(const QString &text);

// Value to the text the store keeps: "True"/"False"; the shortest decimal
// text of the single-precision edge ("1500", "-45"); the decimal integer.
QString truthText(bool value);
QString edgeText(float twips);
QString integerText(int value);

} // namespace Settings
