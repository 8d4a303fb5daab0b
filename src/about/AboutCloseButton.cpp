#include "about/AboutCloseButton.h"

#include "chrome/AccessibleChrome.h"
#include "chrome/CaptionPicture.h"

#include <QEvent>
#include <QLabel>

AboutCloseButton::AboutCloseButton(QWidget *parent)
    : QObject(parent), Image5(CaptionPicture::make(parent, "close_normal")),
      Image6(CaptionPicture::make(parent, "close_down"))
{
    Image5->setObjectName(QStringLiteral("Image5"));
    Image6->setObjectName(QStringLiteral("Image6"));
    Image5->show();
    for (QLabel *picture : {Image5, Image6})
        AccessibleChrome::pictureButton(picture, tr("Close"), [this] { emit released(); });
    Image5->installEventFilter(this);
    Image6->installEventFilter(this);
}

bool AboutCloseButton::isDown() const
{
    return !Image6->isHidden();
}

void AboutCloseButton::moveTo(int x, int y)
{
    Image5->move(x, y);
    Image6->move(x, y);
}

void AboutCloseButton::Image5_MouseDown()
{
    Image5->hide();
    Image6->show();
    Image6->raise();
    // The normal picture is hidden now; the down picture holds the mouse so
    // that the release still arrives, wherever the pointer goes.
    Image6->grabMouse();
}

void AboutCloseButton::Image5_MouseUp()
{
    Image6->releaseMouse();
    emit released();
}

bool AboutCloseButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image5 && event->type() == QEvent::MouseButtonPress) {
        Image5_MouseDown();
        return true;
    }
    if (watched == Image6 && event->type() == QEvent::MouseButtonRelease && isDown()) {
        Image5_MouseUp();
        return true;
    }
    return false;
}
