#include "chrome/CaptionPicture.h"

#include <QLabel>
#include <QPixmap>

namespace CaptionPicture {

QLabel *make(QWidget *parent, const char *assetName)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(assetName));
    picture->setPixmap(QPixmap(QStringLiteral(":/%1.png").arg(QLatin1String(assetName))));
    picture->setFixedSize(size, size);
    picture->hide();
    return picture;
}

} // namespace CaptionPicture
