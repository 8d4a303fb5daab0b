#include "window/PointerTravel.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QMouseEvent>

void PointerTravel::install(QAbstractSlider *slider)
{
    slider->installEventFilter(new PointerTravel(slider));
}

PointerTravel::PointerTravel(QAbstractSlider *slider) : QObject(slider), slider(slider) {}

// The move reaches the slider where the pointer's travel since the press puts
// it, whatever became of the window. The window's own idea of its place is no
// guide: Qt's changes when it takes a margin the window manager keeps round
// the window for a frame.
bool PointerTravel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != slider || resending)
        return false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *press = static_cast<QMouseEvent *>(event);
        pressedAt = press->position();
        pressedOnScreen = press->globalPosition();
        return false;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto *move = static_cast<QMouseEvent *>(event);
    const QPointF steady = pressedAt + (move->globalPosition() - pressedOnScreen);
    const QPointF drift = steady - move->position();
    if (move->buttons() == Qt::NoButton || drift.manhattanLength() < 0.5)
        return false;
    QMouseEvent onTravel(QEvent::MouseMove, steady, move->scenePosition() + drift,
                         move->globalPosition(), move->button(), move->buttons(), move->modifiers(),
                         move->pointingDevice());
    resending = true;
    QCoreApplication::sendEvent(slider, &onTravel);
    resending = false;
    return true;
}
