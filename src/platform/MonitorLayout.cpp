#include "platform/MonitorLayout.h"

MonitorLayout::MonitorLayout(const QList<Monitor> &monitors) : monitors(monitors) {}

QPoint MonitorLayout::origin() const
{
    for (const Monitor &monitor : monitors) {
        if (monitor.primary)
            return monitor.geometry.topLeft();
    }
    return QPoint(0, 0);
}

QPoint MonitorLayout::fromRoot(QPoint rootPoint) const
{
    return rootPoint - origin();
}

QPoint MonitorLayout::toRoot(QPoint screenPoint) const
{
    return screenPoint + origin();
}

bool MonitorLayout::covers(QPoint rootPoint) const
{
    if (monitors.isEmpty())
        return true;
    for (const Monitor &monitor : monitors) {
        if (monitor.geometry.contains(rootPoint))
            return true;
    }
    return false;
}
