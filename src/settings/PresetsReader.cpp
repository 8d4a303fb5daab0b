#include "settings/PresetsReader.h"

#include "settings/PresetsFileFormat.h"

#include <algorithm>
#include <cstring>

namespace {

// A line longer than this is kept up to here: none of the program's values
// comes near it, and a value cut off reads as no usable value, as the whole
// would.
constexpr qsizetype longestLine = 64 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Lines end at LF, CR or CR LF, as in Qt's INI files (a CR LF is a line
// and an empty one).
const char *lineEndIn(const char *begin, const char *end)
{
    const auto *lineFeed = static_cast<const char *>(memchr(begin, '\n', size_t(end - begin)));
    const auto *carriageReturn =
        static_cast<const char *>(memchr(begin, '\r', size_t((lineFeed ? lineFeed : end) - begin)));
    return carriageReturn ? carriageReturn : lineFeed;
}

// A ';' outside quotes starts a comment that runs to the line's end, where
// a backslash takes the character after it as it is.
const char *commentStart(const char *begin, const char *end)
{
    bool quoted = false;
    for (const char *at = begin; at < end; ++at) {
        if (*at == '\\')
            ++at;
        else if (*at == '"')
            quoted = !quoted;
        else if (*at == ';' && !quoted)
            return at;
    }
    return end;
}

void trim(const char *&begin, const char *&end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
}

// A name as a line gives it. Names are percent-encoded only when they hold
// more than plain characters; the others are compared where they lie, as most
// lines of a large file name nothing of interest.
class LineName
{
public:
    LineName(const char *begin, const char *end)
        : begin(begin), size(size_t(end - begin)), encoded(memchr(begin, '%', size) != nullptr)
    {
        if (encoded)
            decoded = PresetsFileFormat::decodeName(QByteArray(begin, qsizetype(size))).toUtf8();
    }

    bool operator==(const QByteArray &name) const
    {
        if (encoded)
            return decoded == name;
        return size == size_t(name.size()) && memcmp(begin, name.constData(), size) == 0;
    }

private:
    const char *begin;
    size_t size;
    bool encoded;
    QByteArray decoded;
};

} // namespace

PresetsReader::PresetsReader(const QString &section, const QStringList &keys)
    : section(section.toUtf8())
{
    mayStartKey['%'] = true;
    for (const QString &key : keys) {
        this->keys.push_back(key.toUtf8());
        if (!key.isEmpty())
            mayStartKey[uchar(this->keys.back().front())] = true;
    }
}

void PresetsReader::read(const char *data, qsizetype size)
{
    const char *end = data + size;
    while (data < end) {
        const char *lineEnd = lineEndIn(data, end);
        if (!lineEnd) {
            keepPartLine(data, end);
            return;
        }
        if (partLine.isEmpty()) {
            line(data, std::min(lineEnd, data + longestLine));
        } else {
            keepPartLine(data, lineEnd);
            line(partLine.constData(), partLine.constData() + partLine.size());
            partLine.clear();
        }
        data = lineEnd + 1;
    }
}

QMap<QString, QString> PresetsReader::finish(bool wholeFile)
{
    if (wholeFile)
        line(partLine.constData(), partLine.constData() + partLine.size());
    partLine.clear();
    inSection = false;
    return values;
}

void PresetsReader::keepPartLine(const char *begin, const char *end)
{
    partLine.append(begin, std::min<qsizetype>(end - begin, longestLine - partLine.size()));
}

// A section's name in brackets starts that section; a line with '=' after
// something is a key; blank lines and comments say nothing. A line's first
// character tells most lines of no interest apart at a glance.
void PresetsReader::line(const char *begin, const char *end)
{
    if (firstLine && end - begin >= 3 && memcmp(begin, "\xef\xbb\xbf", 3) == 0)
        begin += 3; // the byte-order mark some editors write
    firstLine = false;
    while (begin < end && isBlank(*begin))
        ++begin;
    if (begin == end || (*begin != '[' && !(inSection && mayStartKey[uchar(*begin)])))
        return;
    end = commentStart(begin, end);
    trim(begin, end);
    if (begin == end)
        return;
    if (*begin == '[' && end[-1] == ']' && end - begin >= 2) {
        const char *nameBegin = begin + 1;
        const char *nameEnd = end - 1;
        trim(nameBegin, nameEnd);
        inSection = LineName(nameBegin, nameEnd) == section;
        return;
    }
    if (!inSection)
        return;
    const char *equals = static_cast<const char *>(memchr(begin, '=', size_t(end - begin)));
    if (equals && equals > begin)
        keyLine(begin, equals, end);
}

void PresetsReader::keyLine(const char *begin, const char *equals, const char *end)
{
    const char *keyEnd = equals;
    trim(begin, keyEnd);
    const LineName name(begin, keyEnd);
    for (const QByteArray &key : keys) {
        if (name == key) {
            values.insert(QString::fromUtf8(key),
                          PresetsFileFormat::decodeValue(QByteArray(equals + 1, end - equals - 1)));
            return;
        }
    }
}
