#include "chrome/ToolLook.h"

#include <QImage>
#include <QLabel>

namespace ToolLook {

QFont tahoma(int points, bool bold)
{
    QFont font(QStringLiteral("Tahoma"), points);
    font.setBold(bold);
    return font;
}

QFont sans(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
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

// The format is named, so that no image plug-in is loaded to find it out.
QImage assetImage(const char *name)
{
    return QImage(QStringLiteral(":/%1.png").arg(QLatin1String(name)), "PNG");
}

QPixmap asset(const char *name)
{
    return QPixmap::fromImage(assetImage(name));
}

QLabel *picture(QWidget *parent, const char *name, const char *assetName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(asset(assetName));
    return label;
}

QLabel *stretchedPicture(QWidget *parent, const char *name, const char *assetName, QRect place)
{
    QLabel *label = picture(parent, name, assetName);
    label->setScaledContents(true);
    label->setGeometry(place);
    return label;
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
