#pragma once

#include <QObject>
#include <optional>

class QWidget;

// A stored place of a window, given to the window manager and held to once
// the window shows. One edge whose other edge is unknown: X has no hint for
// half a position, so the window manager places the window first and the
// stored edge is applied to that place, leaving the other edge where the
// window manager put it. Both edges: they go as the place asked for before
// the window is shown, and are asked for again if the window manager put the
// window elsewhere (i3 shifts a borderless window by the frame it would have
// drawn, so a stored place would creep on at every start). Lives until the
// window first shows, or with the window.
class PlacedEdge : public QObject
{
public:
    // Applies whichever of left and top is given.
    static void Apply(QWidget *window, std::optional<int> left, std::optional<int> top);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PlacedEdge(QWidget *window, std::optional<int> left, std::optional<int> top);
    void applyNow();

    QWidget *window;
    std::optional<int> left;
    std::optional<int> top;
};
