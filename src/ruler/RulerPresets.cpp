#include "ruler/RulerPresets.h"

#include "ruler/Measurement.h"
#include "settings/SettingsReading.h"
#include "settings/SettingsWriting.h"
#include "window/WindowPlacing.h"

namespace {

// The stored tick of each unit, in the units' order.
constexpr Settings::Key unitTicks[ScaleUnits::Count] = {
    Settings::Pix,   Settings::Points, Settings::Charac, Settings::Inch,
    Settings::Milli, Settings::Centi,  Settings::Twips,
};

} // namespace

RulerPresets::RulerPresets(QWidget *ruler, Measurement &measurement)
    : ruler(ruler), measurement(measurement)
{
}

void RulerPresets::load()
{
    QList<Settings::Key> keys(std::begin(unitTicks), std::end(unitTicks));
    const SettingsReading presets(keys << Settings::X_L << Settings::X_T);
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        if (const std::optional<bool> tick = presets.truth(unitTicks[unit]))
            measurement.setTicked(unit, *tick);
    }
    WindowPlacing::restore(ruler, presets.edge(Settings::X_L), presets.edge(Settings::X_T));
}

void RulerPresets::save() const
{
    SettingsWriting presets;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        presets.truth(unitTicks[unit], measurement.isTicked(unit));
    const QPointF place = WindowPlacing::place(ruler);
    presets.edge(Settings::X_L, float(place.x())).edge(Settings::X_T, float(place.y())).save();
}
