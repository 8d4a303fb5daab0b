#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Takes the values of a few keys of one section out of a store's text, given
// in pieces of any size, and nothing else: whatever else the file holds
// costs a look at each line and no memory, however large it is. The file's
// lines are read as PresetsFileFormat writes them and as Qt's INI reader
// reads a hand-edited file: a UTF-8 byte-order mark at its start, lines
// ended by CR as well as LF, comments after ';'. For a key given twice the
// last line holds.
class PresetsReader
{
public:
    PresetsReader(const QString &section, const QStringList &keys);

    void read(const char *data, qsizetype size);
    // The values found, once the last piece is read. Where the text read
    // stops short of the file's end, its unfinished last line is left out.
    QMap<QString, QString> finish(bool wholeFile = true);

private:
    void line(const char *begin, const char *end);
    void keyLine(const char *begin, const char *equals, const char *end);
    void keepPartLine(const char *begin, const char *end);

    QByteArray section;
    std::vector<QByteArray> keys;
    std::array<bool, 256> mayStartKey = {};
    QByteArray partLine;
    bool firstLine = true;
    bool inSection = false;
    QMap<QString, QString> values;
};
