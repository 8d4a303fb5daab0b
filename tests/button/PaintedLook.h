#pragma once

#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// A look in the fixed colours painted by the button painter, as the
// painter's test programs look at it.

inline ButtonLook lookOf(qint32 type, int W, int H, const QString &caption = QString())
{
    ButtonLook look;
    look.ButtonType = type;
    look.Caption = caption;
    look.Palette = ButtonPalette::standard();
    look.Font = QFont(QStringLiteral("DejaVu Sans"), 8);
    look.setSize(W, H);
    return look;
}

inline QImage paint(const ButtonLook &look, quint8 state)
{
    QImage image;
    ButtonPainter::paint(image, look, state);
    return image;
}

inline QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}
