#pragma once

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

class QFont;

// The drawing operations of the button painter on a picture of the button,
// each covering exactly its own pixels: lines stop before their end point and
// box outlines lie inside the box. Colours are colour values (red in the low
// byte); only their three low bytes count. Pixels outside the picture are
// skipped.
class ButtonSurface
{
public:
    explicit ButtonSurface(QImage &image);

    void fillBox(int x, int y, int w, int h, qint32 colour);
    void frameBox(int x, int y, int w, int h, qint32 colour);
    // Horizontal or vertical lines only.
    void line(int x1, int y1, int x2, int y2, qint32 colour);
    void pixel(int x, int y, qint32 colour);
    // One line of text centred in the area and clipped to it; "&" underlines
    // the next character and "&&" shows one "&".
    void caption(const QString &text, const QRect &area, qint32 colour, const QFont &font);
    // The dotted focus outline, drawn by inverting every other pixel of the
    // area's border.
    void focusRect(const QRect &area);
    // Width and height of the text as it stands, ampersands included.
    QSizeF textSize(const QString &text, const QFont &font) const;

    static QRgb rgbOf(qint32 colour);

private:
    void fillSpan(int x1, int x2, int y, QRgb rgb);
    void invert(int x, int y);

    QImage &mImage;
};
