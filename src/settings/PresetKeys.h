#pragma once

#include <QLatin1String>

// The keys the windows keep in the settings store, besides the unit ticks
// that the scale units name: each window's left and top edge in twips and
// the Color Mixer's three channels.
namespace PresetKeys {

constexpr QLatin1String X_L("X_L");
constexpr QLatin1String X_T("X_T");
constexpr QLatin1String S_L("S_L");
constexpr QLatin1String S_T("S_T");
constexpr QLatin1String M_L("M_L");
constexpr QLatin1String M_T("M_T");
constexpr QLatin1String H1("H1");
constexpr QLatin1String H2("H2");
constexpr QLatin1String H3("H3");

} // namespace PresetKeys
