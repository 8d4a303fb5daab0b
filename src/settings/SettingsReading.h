#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// What a window reads while it is created: its keys, taken from the store in
// one read, so that they all come from the same moment of the store, each
// converted as its type says. A key that is absent reads as its default; one
// whose text its type cannot take gives nothing.
class SettingsReading
{
public:
    explicit SettingsReading(const QList<Settings::Key> &keys);

    std::optional<bool> truth(Settings::Key key) const;
    std::optional<float> edge(Settings::Key key) const;
    std::optional<qint16> integer(Settings::Key key) const;

private:
    QString text(Settings::Key key, Settings::Type type) const;

    QMap<QString, QString> stored;
};
