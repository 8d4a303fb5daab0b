#include "button/AccessKey.h"

namespace {

// The character after the ampersand at index amp, lower-cased; empty when
// the ampersand ends the caption.
QString markedBy(const QString &caption, int amp)
{
    return caption.mid(amp + 1, 1).toLower();
}

} // namespace

QString accessKeyOf(const QString &caption)
{
    if (caption.size() < 2)
        return QString();
    const int first = caption.indexOf(QLatin1Char('&'));
    if (first < 0 || first == caption.size() - 1)
        return QString();
    if (caption.at(first + 1) != QLatin1Char('&'))
        return markedBy(caption, first);
    const int next = caption.indexOf(QLatin1Char('&'), first + 2);
    if (next < 0)
        return QString();
    if (next + 1 < caption.size() && caption.at(next + 1) == QLatin1Char('&'))
        return QString();
    return markedBy(caption, next);
}
