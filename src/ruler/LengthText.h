#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStaticText>
#include <QString>

class QPainter;

// Draws the short texts of lengths in one font, pixel for pixel as QPainter
// draws them as static texts: digits and a decimal separator, maybe a blank
// and a unit's name after them. Laying a text out costs more than drawing
// it, and a held slider shows a new length at every tick; so the glyphs of
// the digits, separators and blank, and the distance from each to the next
// (kerning included), are read once from Qt's own layout of a text in which
// every pair of them stands, and each new length is placed from them. The
// part from the first blank on is laid out by Qt, once for as long as it
// stays the same. A text with other characters, and a font whose distances
// depend on more than the pair, are laid out by Qt at each change as before.
class LengthText
{
public:
    explicit LengthText(const QFont &font);

    const QFont &font() const { return mFont; }
    // Draws text with its top left corner at topLeft, in the painter's pen.
    void draw(QPainter &painter, const QPointF &topLeft, const QString &text);
    // The glyphs draw places before the text's first blank, and those from
    // the blank on: a caller that keeps a unit's name drawn draws only the
    // digits of each new length. False where Qt lays the text out whole.
    bool split(const QString &text, QGlyphRun &head, QGlyphRun &tail);

private:
    static quint32 pairKey(QChar left, QChar right)
    {
        return quint32(left.unicode()) << 16 | right.unicode();
    }

    void learnDistances();
    bool learnFrom(const QString &probe);
    bool place(const QString &text);
    void placeIfNew(const QString &text);
    bool placeHead(QStringView head, QList<quint32> &glyphs, QList<QPointF> &positions,
                   qreal &end) const;
    bool layTail(const QString &tail);

    QFont mFont;
    QString alphabet;
    bool learnt = false;
    bool exact = false;
    QRawFont rawFont;
    QHash<char16_t, quint32> glyphOf;
    QHash<quint32, qreal> distance; // from a character to the next, by pair
    QPointF origin;                 // of the first glyph, on the baseline
    // The part from the first blank on, as Qt lays it out alone.
    QString tail;
    QList<quint32> tailGlyphs;
    QList<QPointF> tailPositions;
    QGlyphRun run;
    // The glyphs of run before the first blank, and those from it on.
    QGlyphRun headRun;
    QGlyphRun tailRun;
    QString placed;
    QStaticText laidOut;
};
