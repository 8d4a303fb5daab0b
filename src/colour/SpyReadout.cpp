#include "colour/SpyReadout.h"

#include <QPaintEvent>
#include <QPainter>

SpyReadout::SpyReadout(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The text changes with nearly every sample, so it is laid out anew each
// time, as a label lays it out.
void SpyReadout::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), int(alignment()), text());
}
