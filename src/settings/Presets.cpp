#include "settings/Presets.h"

#include "platform/PlatformServices.h"
#include "settings/SettingConversions.h"
#include "settings/SettingsStore.h"
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

std::optional<int> storedEdge(const QString &key)
{
    const std::optional<float> twips = SettingConversions::singleFromText(GetPreset(key, {}));
    if (!twips)
        return std::nullopt;
    const double pixel = std::round(double(*twips) / Twips::perPixel);
    if (std::fabs(pixel) > farthestPixel)
        return std::nullopt;
    return int(pixel);
}

} // namespace

QString GetPreset(const QString &key, const QString &defaultText)
{
    return platform().settings->GetSetting(application, section, key, defaultText);
}

void SavePreset(const QString &key, const QString &text)
{
    platform().settings->SaveSetting(application, section, key, text);
}

void SavePresets(const QList<QPair<QString, QString>> &keysAndTexts)
{
    platform().settings->SaveSettings(application, section, keysAndTexts);
}

QString EdgeText(int pixel)
{
    return SettingConversions::singleText(float(pixel * Twips::perPixel));
}

void RestorePosition(QWidget *window, const QString &leftKey, const QString &topKey)
{
    PlacedEdge::Apply(window, storedEdge(leftKey), storedEdge(topKey));
}

void StorePosition(const QWidget *window, const QString &leftKey, const QString &topKey)
{
    const QRect frame = OuterRect(window);
    SavePreset(leftKey, EdgeText(frame.x()));
    SavePreset(topKey, EdgeText(frame.y()));
}

} // namespace Presets
