#include "platform/MonitorLayout.h"

MonitorLayout::MonitorLayout(const QList<Monitor> &monitors) : monitors(monitors) {}

QPoint MonitorLayout::Origin() const
{
    for (const Monitor &monitor : monitors) {
        if (monitor.primary)
            return monitor.geometry.topLeft();
    }
    return QPoint(0, 0);
}

QPoint MonitorLayout::FromRoot(QPoint rootPoint) const
{
    return rootPoint - Origin();
}

QPoint MonitorLayout::ToRoot(QPoint screenPoint) const
{
    return screenPoint + Origin();
}

bool MonitorLayout::Covers(QPoint rootPoint) const
{
    if (monitors.isEmpty())
        return true;
    for (const Monitor &monitor : monitors) {
        if (monitor.geometry.contains(rootPoint))
            return true;
    }
    return false;
}
