#pragma once

#include <QObject>
#include <optional>

class QWidget;

// One stored edge of a window whose other edge is unknown: X has no hint for
// half a position, so the window manager places the window first and the
// stored edge is applied to that place, leaving the other edge where the
// window manager put it. Lives until it has done so, or with the window.
class PlacedEdge : public QObject
{
public:
    // Applies whichever of left and top is given; both at once before the
    // window is shown, so that the window manager takes them as its place.
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
