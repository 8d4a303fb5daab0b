#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The monitors of the X screen, in pixels of the root window. The program's
// screen coordinates count from the primary monitor's top-left corner, as the
// desktop's own do, and are negative left of or above it; with no monitor
// marked primary they stay those of the root window.
class MonitorLayout
{
public:
    struct Monitor
    {
        QRect geometry;
        bool primary = false;
    };

    MonitorLayout() = default;
    explicit MonitorLayout(const QList<Monitor> &monitors);

    QPoint origin() const;
    QPoint fromRoot(QPoint rootPoint) const;
    QPoint toRoot(QPoint screenPoint) const;
    // Whether some monitor shows the root window's pixel there. A server
    // that lists no monitor at all (RandR's list emptied by hand) shows the
    // whole root window, as one without RandR 1.5 does.
    bool covers(QPoint rootPoint) const;

private:
    QList<Monitor> monitors;
};
