#pragma once

#include <QString>

class QWidget;

// The colour tools' keys in the settings store (application "Ombrix",
// section "Presets"), and the window positions they keep in twips.
namespace ToolPresets {

QString GetPreset(const QString &key, const QString &defaultText);
void SavePreset(const QString &key, const QString &text);

// Each edge on its own: a key that is missing or no usable position leaves
// that edge where the windowing system put it.
void RestorePosition(QWidget *window, const QString &leftKey, const QString &topKey);
void StorePosition(const QWidget *window, const QString &leftKey, const QString &topKey);

} // namespace ToolPresets
