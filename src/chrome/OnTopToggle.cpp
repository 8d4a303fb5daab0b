#include "chrome/OnTopToggle.h"

#include "chrome/AccessibleChrome.h"
#include "chrome/CaptionPicture.h"
#include "window/TopIt.h"

#include <QLabel>
#include <QMouseEvent>

OnTopToggle::OnTopToggle(QWidget *window, QWidget *parent)
    : QObject(parent), window(window), onTop(CaptionPicture::make(parent, "top_on")),
      notOnTop(CaptionPicture::make(parent, "top_off"))
{
    onTop->setToolTip(tr("On Top"));
    notOnTop->setToolTip(tr("Not On Top"));
    onTop->installEventFilter(this);
    notOnTop->installEventFilter(this);
    const auto isOn = [this] { return showsOnTop(); };
    AccessibleChrome::pictureButton(
        onTop, tr("Keep on top"), [this] { emit Top_Y_Clicked(); }, isOn);
    AccessibleChrome::pictureButton(
        notOnTop, tr("Keep on top"), [this] { emit Top_N_Clicked(); }, isOn);
    notOnTop->show();
}

void OnTopToggle::moveTo(int x, int y)
{
    onTop->move(x, y);
    notOnTop->move(x, y);
}

bool OnTopToggle::showsOnTop() const
{
    return !onTop->isHidden();
}

void OnTopToggle::putOnTop()
{
    TopIt(window, -1);
    notOnTop->hide();
    onTop->show();
}

void OnTopToggle::takeOffTop()
{
    TopIt(window, 0);
    notOnTop->show();
    onTop->hide();
}

// A click is a left press and release over the same picture. The pictures
// keep their presses: the window beneath would take them for the start of a
// drag, and two quick clicks on the pin for a double-click on itself.
bool OnTopToggle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        event->accept();
        return true;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    auto *picture = static_cast<QLabel *>(watched);
    if (mouse->button() != Qt::LeftButton || !picture->rect().contains(mouse->position().toPoint()))
        return false;
    if (picture == onTop)
        emit Top_Y_Clicked();
    else if (picture == notOnTop)
        emit Top_N_Clicked();
    return true;
}
