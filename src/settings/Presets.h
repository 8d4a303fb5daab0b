#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class QWidget;

// The windows' keys in the settings store (application "Ombrix", section
// "Presets"), and the window positions they keep in twips.
namespace Presets {

// What a window reads while it is created: its keys, taken from the store in
// one read, so that they all come from the same moment of the store.
class Reading
{
public:
    explicit Reading(const QStringList &keys);

    QString Get(const QString &key, const QString &defaultText) const;
    // Each edge on its own: a key that is missing or no usable position
    // leaves that edge where the windowing system put it. With neither edge
    // stored, a window the windowing system puts over clearOf moves beside
    // it.
    void RestorePosition(QWidget *window, const QString &leftKey, const QString &topKey,
                         const QWidget *clearOf = nullptr) const;

private:
    QMap<QString, QString> stored;
};

// Several keys that reach the store together.
void SavePresets(const QList<QPair<QString, QString>> &keysAndTexts);
void StorePosition(const QWidget *window, const QString &leftKey, const QString &topKey);
// An edge as the store writes it: the pixel in twips, shortest decimal text.
QString EdgeText(int pixel);

} // namespace Presets
