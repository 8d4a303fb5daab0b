#pragma once

#include <QString>
#include <QVariant>

// The per-instance key/value store a host keeps for each control it sites.
// Names are compared without regard to case.
class PropertyBag
{
public:
    virtual ~PropertyBag() = default;

    // The stored value, or defaultValue when the name is absent.
    virtual QVariant readProperty(const QString &name, const QVariant &defaultValue) = 0;
    virtual void writeProperty(const QString &name, const QVariant &value) = 0;
};
