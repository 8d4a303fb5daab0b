#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QPair>
#include <QString>

// Keys that reach the store together, in the order given, each written as
// its type says: a program killed halfway through leaves all of them or
// none.
class SettingsWriting
{
public:
    SettingsWriting &truth(Settings::Key key, bool value);
    SettingsWriting &edge(Settings::Key key, float twips);
    SettingsWriting &integer(Settings::Key key, int value);
    void save() const;

private:
    SettingsWriting &add(Settings::Key key, Settings::Type type, const QString &text);

    QList<QPair<QString, QString>> texts;
};
