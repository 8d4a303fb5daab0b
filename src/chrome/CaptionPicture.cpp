#include "chrome/CaptionPicture.h"

#include "chrome/ToolLook.h"

#include <QLabel>

namespace CaptionPicture {

QLabel *make(QWidget *parent, const char *assetName)
{
    QLabel *picture = ToolLook::picture(parent, assetName, assetName);
    picture->setFixedSize(size, size);
    picture->hide();
    return picture;
}

} // namespace CaptionPicture
