#include "ruler/LengthText.h"

#include <QLocale>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <optional>

namespace {

// A text of the symbols in which every ordered pair of them, a symbol and
// itself included, stands exactly once: the de Bruijn sequence of order two
// (its Lyndon words "a", "ab", "ac", ..., "b", "bc", ... in turn), opened
// out by its first symbol.
QString everyPair(const QString &symbols)
{
    QString sequence;
    for (qsizetype i = 0; i < symbols.size(); ++i) {
        sequence += symbols.at(i);
        for (qsizetype j = i + 1; j < symbols.size(); ++j)
            sequence += QString(symbols.at(i)) + symbols.at(j);
    }
    return sequence + sequence.front();
}

// The glyphs of text, one to a character, as Qt lays it out on one line in
// font; nothing if Qt needs more than one font, run or glyph per character.
std::optional<QGlyphRun> layOut(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.front().glyphIndexes().size() != text.size())
        return std::nullopt;
    return runs.front();
}

} // namespace

LengthText::LengthText(const QFont &font) : mFont(font)
{
    alphabet = QStringLiteral("0123456789., ");
    const QString separator = QLocale().decimalPoint();
    for (QChar c : separator) {
        if (!alphabet.contains(c))
            alphabet += c;
    }
    laidOut.setTextFormat(Qt::PlainText);
}

// Two texts with every pair in them, each pair among other neighbours in
// the second: the distances of a pair must agree in both.
void LengthText::learnDistances()
{
    learnt = true;
    QString reversed = alphabet;
    std::reverse(reversed.begin(), reversed.end());
    exact = learnFrom(everyPair(alphabet)) && learnFrom(everyPair(reversed));
    rawFont = QRawFont::fromFont(mFont);
}

bool LengthText::learnFrom(const QString &probe)
{
    const std::optional<QGlyphRun> laid = layOut(probe, mFont);
    if (!laid)
        return false;
    const QList<quint32> glyphs = laid->glyphIndexes();
    const QList<QPointF> positions = laid->positions();
    origin = positions.front();
    for (qsizetype i = 0; i < probe.size(); ++i) {
        const auto known = glyphOf.constFind(probe.at(i).unicode());
        if (known != glyphOf.constEnd() && *known != glyphs.at(i))
            return false;
        glyphOf.insert(probe.at(i).unicode(), glyphs.at(i));
        if (positions.at(i).y() != origin.y())
            return false;
        if (i + 1 == probe.size())
            break;
        const quint32 key = pairKey(probe.at(i), probe.at(i + 1));
        const qreal step = positions.at(i + 1).x() - positions.at(i).x();
        const auto learntStep = distance.constFind(key);
        if (learntStep != distance.constEnd() && *learntStep != step)
            return false;
        distance.insert(key, step);
    }
    return true;
}

bool LengthText::placeHead(QStringView head, QList<quint32> &glyphs, QList<QPointF> &positions,
                           qreal &end) const
{
    qreal x = origin.x();
    for (qsizetype i = 0; i < head.size(); ++i) {
        const auto glyph = glyphOf.constFind(head.at(i).unicode());
        if (glyph == glyphOf.constEnd())
            return false;
        glyphs.append(*glyph);
        positions.append(QPointF(x, origin.y()));
        if (i + 1 < head.size())
            x += distance.value(pairKey(head.at(i), head.at(i + 1)));
    }
    end = x;
    return true;
}

bool LengthText::layTail(const QString &text)
{
    if (text == tail)
        return !tailGlyphs.isEmpty();
    tail = text;
    tailGlyphs.clear();
    tailPositions.clear();
    const std::optional<QGlyphRun> laid = layOut(text, mFont);
    if (!laid || laid->positions().front() != origin)
        return false;
    tailGlyphs = laid->glyphIndexes();
    for (const QPointF &position : laid->positions())
        tailPositions.append(position - origin);
    return true;
}

// The head, up to the first blank, from the learnt glyphs and distances; the
// tail from the blank on, as Qt lays it out, after the head's last character
// at the distance of that character to a blank.
bool LengthText::place(const QString &text)
{
    if (!learnt)
        learnDistances();
    if (!exact || text.isEmpty())
        return false;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QStringView head = blank < 0 ? QStringView(text) : QStringView(text).left(blank);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    qreal end = 0;
    if (!placeHead(head, glyphs, positions, end))
        return false;
    headRun.setRawFont(rawFont);
    headRun.setGlyphIndexes(glyphs);
    headRun.setPositions(positions);
    tailRun = QGlyphRun();
    if (blank >= 0) {
        if (!layTail(text.mid(blank)))
            return false;
        const QPointF start(head.isEmpty()
                                ? origin.x()
                                : end + distance.value(pairKey(head.back(), QLatin1Char(' '))),
                            origin.y());
        QList<QPointF> tailPlaces;
        tailPlaces.reserve(tailPositions.size());
        for (const QPointF &position : std::as_const(tailPositions))
            tailPlaces.append(position + start);
        tailRun.setRawFont(rawFont);
        tailRun.setGlyphIndexes(tailGlyphs);
        tailRun.setPositions(tailPlaces);
        glyphs += tailGlyphs;
        positions += tailPlaces;
    }
    run.setRawFont(rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return true;
}

void LengthText::placeIfNew(const QString &text)
{
    if (text == placed)
        return;
    placed = text;
    if (!place(text))
        run = QGlyphRun();
}

void LengthText::draw(QPainter &painter, const QPointF &topLeft, const QString &text)
{
    placeIfNew(text);
    if (!run.isEmpty()) {
        painter.drawGlyphRun(topLeft, run);
        return;
    }
    if (laidOut.text() != text) {
        laidOut.setText(text);
        laidOut.prepare(QTransform(), mFont);
    }
    painter.setFont(mFont);
    painter.drawStaticText(topLeft, laidOut);
}

bool LengthText::split(const QString &text, QGlyphRun &head, QGlyphRun &tail)
{
    placeIfNew(text);
    if (run.isEmpty())
        return false;
    head = headRun;
    tail = tailRun;
    return true;
}
