#include "colour/ToolLook.h"

#include <QLabel>
#include <QPixmap>

namespace ToolLook {

QFont tahoma(int points, bool bold)
{
    QFont font(QStringLiteral("Tahoma"), points);
    font.setBold(bold);
    return font;
}

QFont button()
{
    QFont font = tahoma(8);
    font.setPointSizeF(8.25);
    return font;
}

void paint(QWidget *widget, const QColor &color, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

QLabel *stretchedPicture(QWidget *parent, const char *name, const QString &asset, QRect place)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(QPixmap(asset));
    picture->setScaledContents(true);
    picture->setGeometry(place);
    return picture;
}

QLabel *titleText(QWidget *parent, const char *name, const QString &text, QRect place)
{
    auto *title = new QLabel(text, parent);
    title->setObjectName(QLatin1String(name));
    title->setFont(tahoma(9, true));
    paint(title, Qt::white, QPalette::WindowText);
    title->setGeometry(QRect(place.topLeft(), place.size().expandedTo(title->sizeHint())));
    return title;
}

QColor colorOf(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace ToolLook
