#include "window/ScrollKeys.h"

#include <QAbstractSlider>
#include <QKeyEvent>

void ScrollKeys::Install(QAbstractSlider *control)
{
    control->installEventFilter(new ScrollKeys(control));
}

ScrollKeys::ScrollKeys(QAbstractSlider *control) : QObject(control) {}

bool ScrollKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    default:
        return false;
    }
    static_cast<QAbstractSlider *>(watched)->triggerAction(action);
    return true;
}
