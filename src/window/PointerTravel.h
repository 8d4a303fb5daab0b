#pragma once

#include <QObject>
#include <QPointF>

class QAbstractSlider;

// While a slider is dragged, its thumb follows the pointer's travel on the
// screen since the press, even when the window moves meanwhile. A window
// manager that keeps a lengthened window on the screen moves it, and the
// slider with it, under the still pointer: the thumb would run ahead of the
// pointer, lengthen the window further, and the window manager move it again.
class PointerTravel : public QObject
{
public:
    // Lives as long as the slider.
    static void install(QAbstractSlider *slider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PointerTravel(QAbstractSlider *slider);

    QAbstractSlider *slider;
    QPointF pressedAt;       // in the slider
    QPointF pressedOnScreen; // the same point on the screen
    bool resending = false;
};
