#include "window/PointerTravel.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QMouseEvent>

void PointerTravel::Install(QAbstractSlider *slider)
{
    slider->installEventFilter(new PointerTravel(slider));
}

PointerTravel::PointerTravel(QAbstractSlider *slider) : QObject(slider), slider(slider) {}

QPoint PointerTravel::windowPlace() const
{
    return slider->window()->pos();
}

// The move reaches the slider as if the window still stood where it stood at
// the press.
bool PointerTravel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != slider || resending)
        return false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        placeAtPress = windowPlace();
        return false;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto *move = static_cast<QMouseEvent *>(event);
    const QPoint drift = windowPlace() - placeAtPress;
    if (move->buttons() == Qt::NoButton || drift.isNull())
        return false;
    QMouseEvent steady(QEvent::MouseMove, move->position() + drift, move->scenePosition() + drift,
                       move->globalPosition(), move->button(), move->buttons(), move->modifiers(),
                       move->pointingDevice());
    resending = true;
    QCoreApplication::sendEvent(slider, &steady);
    resending = false;
    return true;
}
