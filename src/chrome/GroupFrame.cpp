#include "chrome/GroupFrame.h"

#include <QPainter>

namespace {

constexpr int titleLeft = 7;
// The frame's lines stay one pixel clear of the title on either side.
constexpr int titleGap = 1;
const QColor shadow(128, 128, 128);
const QColor highlight(255, 255, 255);

} // namespace

GroupFrame::GroupFrame(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

QRect GroupFrame::frameRect() const
{
    const int top = fontMetrics().height() / 2 - 1;
    return QRect(0, top, width(), height() - top);
}

// Written from one pixel above the group's top, as Windows does.
QRect GroupFrame::titleRect() const
{
    const QFontMetrics metrics = fontMetrics();
    return QRect(titleLeft, -1, metrics.horizontalAdvance(title()), metrics.height());
}

// Etched: a shadow line with a highlight line below and right of it.
void GroupFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    const QRect title = titleRect();
    const QRect gap = title.adjusted(-titleGap, 0, titleGap, 0);
    painter.setClipRegion(QRegion(rect()).subtracted(gap));
    const QRect frame = frameRect();
    painter.setPen(shadow);
    painter.drawRect(frame.adjusted(0, 0, -2, -2));
    painter.setPen(highlight);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, this->title());
}
