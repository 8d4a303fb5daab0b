#pragma once

#include "button/PropertyBag.h"

#include <QVariantMap>

// The design-time property set a window builds its controls from. A write
// to a name already present, in any case, replaces that entry and keeps its
// spelling.
class DesignPropertyBag : public PropertyBag
{
public:
    DesignPropertyBag() = default;
    explicit DesignPropertyBag(const QVariantMap &values);

    QVariant readProperty(const QString &name, const QVariant &defaultValue) override;
    void writeProperty(const QString &name, const QVariant &value) override;

    const QVariantMap &values() const { return mValues; }

private:
    QString storedName(const QString &name) const;

    QVariantMap mValues;
};
