#pragma once

#include <QGroupBox>

// A titled group drawn as Windows draws a group box: an etched frame whose
// top line runs through the middle of the title, interrupted where the title
// stands, 7 pixels in from the left. Inside it the background shows through,
// and the fields sit inside the frame at the places the window gives them.
class GroupFrame : public QGroupBox
{
public:
    GroupFrame(const QString &title, QWidget *parent);

    // The frame's outer rectangle: its top line halfway down the title.
    QRect frameRect() const;
    // Where the title is written, over the frame's top line.
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
