#pragma once

#include <QLabel>

// A readout of Color Spy: a label that fills its own background, so that a
// new value costs the drawing of its text and nothing of the group under
// it. It looks as a plain label with the same font and colours does.
class SpyReadout : public QLabel
{
public:
    explicit SpyReadout(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
