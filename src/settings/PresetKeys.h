#pragma once

#include <QLatin1String>

// The keys the windows keep in the settings store: the ruler's unit ticks,
// each window's left and top edge in twips and the Color Mixer's three
// channels.
namespace PresetKeys {

constexpr QLatin1String Pix("Pix");
constexpr QLatin1String Points("Points");
constexpr QLatin1String Charac("Charac");
constexpr QLatin1String Inch("Inch");
constexpr QLatin1String Milli("Milli");
constexpr QLatin1String Centi("Centi");
constexpr QLatin1String Twips("Twips");
constexpr QLatin1String X_L("X_L");
constexpr QLatin1String X_T("X_T");
constexpr QLatin1String S_L("S_L");
constexpr QLatin1String S_T("S_T");
constexpr QLatin1String M_L("M_L");
constexpr QLatin1String M_T("M_T");
constexpr QLatin1String H1("H1");
constexpr QLatin1String H2("H2");
constexpr QLatin1String H3("H3");

// Every key of the program's: what a write keeps of the store besides the
// keys it writes.
inline constexpr QLatin1String all[] = {Pix, Points, Charac, Inch, Milli, Centi, Twips, X_L,
                                        X_T, S_L,    S_T,    M_L,  M_T,   H1,    H2,    H3};

} // namespace PresetKeys
