#include "window/ScrollKeys.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

void ScrollKeys::install(QAbstractSlider *control)
{
    control->installEventFilter(new ScrollKeys(control));
}

ScrollKeys::ScrollKeys(QAbstractSlider *control) : QObject(control) {}

bool ScrollKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QAbstractSlider *>(watched);
    if (event->type() == QEvent::KeyPress)
        return key(control, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::Wheel) {
        wheel(control, static_cast<QWheelEvent *>(event));
        return true;
    }
    return false;
}

bool ScrollKeys::key(QAbstractSlider *control, const QKeyEvent *key)
{
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
    control->triggerAction(action);
    return true;
}

// A notch goes as far as Qt's own wheel would: the desktop's lines a notch in
// single steps, at most a page.
void ScrollKeys::wheel(QAbstractSlider *control, const QWheelEvent *wheel)
{
    constexpr int notch = 120;
    const QPoint turn = wheel->angleDelta();
    int towardsMinimum = turn.y() != 0 ? turn.y() : turn.x();
    if (wheel->inverted())
        towardsMinimum = -towardsMinimum;
    wheelRest += towardsMinimum;
    const int notches = wheelRest / notch;
    wheelRest -= notches * notch;
    const int step =
        qMin(QApplication::wheelScrollLines() * control->singleStep(), control->pageStep());
    control->setValue(control->value() - notches * step);
}
