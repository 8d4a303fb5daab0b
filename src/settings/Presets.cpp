#include "settings/Presets.h"

#include "platform/PlatformServices.h"
#include "platform/SettingsStore.h"
#include "settings/SettingConversions.h"
#include "window/OuterRect.h"
#include "window/PlacedEdge.h"
#include "window/Twips.h"

#include <QWidget>
#include <cmath>
#include <optional>

namespace Presets {

namespace {

const QString application = QStringLiteral("Ombrix");
const QString section = QStringLiteral("Presets");

// X keeps window positions in 16 bits; a stored edge beyond that is no place
// a window can be, and would overflow the pixel arithmetic.
constexpr double farthestPixel = 32767.0;

std::optional<int> edgeFromText(const QString &text)
{
    const std::optional<float> twips = SettingConversions::singleFromText(text);
    if (!twips)
        return std::nullopt;
    const double pixel = std::round(double(*twips) / Twips::perPixel);
    if (std::fabs(pixel) > farthestPixel)
        return std::nullopt;
    return int(pixel);
}

} // namespace

Reading::Reading(const QStringList &keys)
    : stored(platform().settings->GetSettings(application, section, keys))
{
}

QString Reading::Get(const QString &key, const QString &defaultText) const
{
    return stored.value(key, defaultText);
}

void Reading::RestorePosition(QWidget *window, const QString &leftKey, const QString &topKey,
                              const QWidget *clearOf) const
{
    PlacedEdge::Apply(window, edgeFromText(Get(leftKey, {})), edgeFromText(Get(topKey, {})),
                      clearOf);
}

void SavePresets(const QList<QPair<QString, QString>> &keysAndTexts)
{
    platform().settings->SaveSettings(application, section, keysAndTexts);
}

QString EdgeText(int pixel)
{
    return SettingConversions::singleText(float(pixel * Twips::perPixel));
}

void StorePosition(const QWidget *window, const QString &leftKey, const QString &topKey)
{
    const QPoint place = OuterPlace(window);
    SavePresets({{leftKey, EdgeText(place.x())}, {topKey, EdgeText(place.y())}});
}

} // namespace Presets
