#include "chrome/ToolLook.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSysInfo>
#include <png.h>

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

// Decoded by libpng itself: Qt's image reader loads every image-format
// plug-in to ask whether it reads the file, even when told it is a PNG.
QImage assetImage(const char *name)
{
    QFile file(QStringLiteral(":/%1.png").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), size_t(bytes.size())))
        return QImage();
    const bool opaque = !(png.format & PNG_FORMAT_FLAG_ALPHA);
    // QImage's 32-bit pixels as bytes in memory.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage picture(int(png.width), int(png.height),
                   opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (picture.isNull() || !png_image_finish_read(&png, nullptr, picture.bits(),
                                                   png_int_32(picture.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return QImage();
    }
    return picture;
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
