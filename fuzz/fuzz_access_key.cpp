// libFuzzer target over the access key of a button caption: any caption,
// however many ampersands it holds, gives no key or the lower-cased character
// that follows one of its ampersands.
#include "button/AccessKey.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

bool followsAnAmpersand(const QString &caption, const QString &key)
{
    for (qsizetype i = caption.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < caption.size();
         i = caption.indexOf(QLatin1Char('&'), i + 1)) {
        if (caption.mid(i + 1, 1).toLower() == key)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString caption =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString key = accessKeyOf(caption);
    if (!key.isEmpty() && !followsAnAmpersand(caption, key))
        std::abort();
    if (caption.count(QLatin1Char('&')) == 0 && !key.isEmpty())
        std::abort();
    return 0;
}
