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
    SettingsWriting &Truth(Settings::Key key, bool value);
    SettingsWriting &Edge(Settings::Key key, float twips);
    SettingsWriting &Integer(Settings::Key key, int value);
    void Save() const;

private:
    SettingsWriting &add(Settings::Key key, Settings::Type type, const QString &text);

    QList<QPair<QString, QString>> texts;
};
