#pragma once

#include <QFont>
#include <QString>

// Turns a caption written in the Wingdings symbol font into one that shows
// the same picture with an installed Unicode font. Only the four outline
// arrows the ruler's nudge buttons use are known.
class WingdingsGlyph
{
public:
    // The outline arrows left, right, up and down.
    static constexpr quint8 ArrowLeft = 0xEF;
    static constexpr quint8 ArrowRight = 0xF0;
    static constexpr quint8 ArrowUp = 0xF1;
    static constexpr quint8 ArrowDown = 0xF2;

    // The Unicode text for a Wingdings code; an unknown code stays the
    // character with that code.
    static QString Caption(quint8 code);
    // The stored font with its family replaced by one that has the arrows;
    // size, weight and the other attributes are kept.
    static QFont Font(const QFont &wingdings);
};
