#pragma once

#include <QObject>

class QAbstractSlider;
class QKeyEvent;
class QWheelEvent;

// The keys and the wheel of a slider or scroll bar as the user expects them
// whatever its orientation and look: Left, Up, Page Up and the wheel turned
// up or tilted left step towards the minimum; Right, Down, Page Down and the
// wheel turned down or tilted right towards the maximum. Qt's own keys
// follow the value, so on a horizontal bar Up would add, and on an upright
// slider with its minimum at the top Up would move the thumb down; its
// slider wheel adds when turned up but subtracts when tilted left.
class ScrollKeys : public QObject
{
public:
    // Lives as long as the control.
    static void install(QAbstractSlider *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScrollKeys(QAbstractSlider *control);
    bool key(QAbstractSlider *control, const QKeyEvent *key);
    void wheel(QAbstractSlider *control, const QWheelEvent *wheel);

    // Turns of a fine wheel that have not yet made up a whole notch.
    int wheelRest = 0;
};
