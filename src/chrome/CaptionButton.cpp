#include "chrome/CaptionButton.h"

#include "chrome/AccessibleChrome.h"
#include "chrome/CaptionPicture.h"

#include <QEvent>
#include <QLabel>

CaptionButton::CaptionButton(Kind kind, QWidget *parent)
    : QObject(parent),
      normal(CaptionPicture::make(parent, kind == Minimize ? "min_normal" : "close_normal")),
      hover(CaptionPicture::make(parent, kind == Minimize ? "min_hover" : "close_hover")),
      down(CaptionPicture::make(parent, kind == Minimize ? "min_down" : "close_down"))
{
    hover->setToolTip(kind == Minimize ? tr("Minimize") : tr("Close"));
    normal->setMouseTracking(true);
    const QString name = kind == Minimize ? tr("Minimise") : tr("Close");
    for (QLabel *picture : {normal, hover, down}) {
        picture->installEventFilter(this);
        AccessibleChrome::pictureButton(picture, name, [this] { emit released(); });
    }
    reset();
}

void CaptionButton::moveTo(int x, int y)
{
    for (QLabel *picture : {normal, hover, down})
        picture->move(x, y);
}

void CaptionButton::reset()
{
    show(normal);
}

CaptionButton::State CaptionButton::state() const
{
    if (!hover->isHidden())
        return Hover;
    if (!down->isHidden())
        return Down;
    return Normal;
}

void CaptionButton::show(QLabel *picture)
{
    for (QLabel *each : {normal, hover, down})
        each->setVisible(each == picture);
    picture->raise();
}

bool CaptionButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == normal && event->type() == QEvent::MouseMove) {
        show(hover);
        return true;
    }
    if (watched == hover && event->type() == QEvent::MouseButtonPress) {
        // The down picture takes over the mouse for the rest of the press, so
        // the release reaches this button wherever the pointer goes.
        show(down);
        down->grabMouse();
        emit pressed();
        return true;
    }
    if (watched == down && event->type() == QEvent::MouseButtonRelease) {
        down->releaseMouse();
        emit released();
        return true;
    }
    return false;
}
