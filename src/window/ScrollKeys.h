#pragma once

#include <QObject>

class QAbstractSlider;

// The keys of a slider or scroll bar as the user expects them whatever its
// orientation and look: Left, Up and Page Up step towards the minimum;
// Right, Down and Page Down towards the maximum. Qt's own keys follow the
// value, so on a horizontal bar Up would add, and on an upright slider with
// its minimum at the top Up would move the thumb down.
class ScrollKeys : public QObject
{
public:
    // Lives as long as the control.
    static void Install(QAbstractSlider *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScrollKeys(QAbstractSlider *control);
};
