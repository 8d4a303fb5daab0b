#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QWidget;

// The windows' keys in the settings store (application "Ombrix", section
// "Presets"), and the window positions they keep in twips.
namespace Presets {

QString GetPreset(const QString &key, const QString &defaultText);
void SavePreset(const QString &key, const QString &text);
// Several keys that reach the store together.
void SavePresets(const QList<QPair<QString, QString>> &keysAndTexts);

// Each edge on its own: a key that is missing or no usable position leaves
// that edge where the windowing system put it.
void RestorePosition(QWidget *window, const QString &leftKey, const QString &topKey);
void StorePosition(const QWidget *window, const QString &leftKey, const QString &topKey);
// An edge as the store writes it: the pixel in twips, shortest decimal text.
QString EdgeText(int pixel);

} // namespace Presets
