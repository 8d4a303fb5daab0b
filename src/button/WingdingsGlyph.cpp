#include "button/WingdingsGlyph.h"

QString WingdingsGlyph::Caption(quint8 code)
{
    switch (code) {
    case ArrowLeft:
        return QString(QChar(0x21E6));
    case ArrowRight:
        return QString(QChar(0x21E8));
    case ArrowUp:
        return QString(QChar(0x21E7));
    case ArrowDown:
        return QString(QChar(0x21E9));
    default:
        return QString(QChar(code));
    }
}

QFont WingdingsGlyph::Font(const QFont &wingdings)
{
    QFont font(wingdings);
    font.setFamily(QStringLiteral("DejaVu Sans"));
    return font;
}
