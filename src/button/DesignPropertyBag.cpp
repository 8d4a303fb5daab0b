#include "button/DesignPropertyBag.h"

DesignPropertyBag::DesignPropertyBag(const QVariantMap &values) : mValues(values) {}

QVariant DesignPropertyBag::readProperty(const QString &name, const QVariant &defaultValue)
{
    const QString key = storedName(name);
    return key.isEmpty() ? defaultValue : mValues.value(key);
}

void DesignPropertyBag::writeProperty(const QString &name, const QVariant &value)
{
    const QString key = storedName(name);
    mValues.insert(key.isEmpty() ? name : key, value);
}

QString DesignPropertyBag::storedName(const QString &name) const
{
    for (auto it = mValues.cbegin(); it != mValues.cend(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return QString();
}
