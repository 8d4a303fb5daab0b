#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

// A stored place of a window, given to the window manager and held to once
// the window shows. One edge whose other edge is unknown: X has no hint for
// half a position, so the window manager places the window first and the
// stored edge is applied to that place, leaving the other edge where the
// window manager put it. Both edges: they go as the place asked for before
// the window is shown, and are asked for again if the window manager put the
// window elsewhere (i3 shifts a borderless window by the frame it would have
// drawn, so a stored place would creep on at every start). Lives until the
// window first shows, or with the window. No edge: the window manager's
// place stands, unless it lies over a window that must stay in sight (the
// always-on-top ruler): the window then opens beside it instead, watched for
// a moment after it shows, since some window managers place it only then.
class PlacedEdge : public QObject
{
public:
    // Applies whichever of left and top is given; with neither, keeps the
    // window clear of clearOf, when given.
    static void apply(QWidget *window, std::optional<int> left, std::optional<int> top,
                      const QWidget *clearOf = nullptr);
    // The place nearest to window's beside obstacle, wholly on screen, when
    // the two overlap and there is one.
    static std::optional<QPoint> beside(const QRect &window, const QRect &obstacle,
                                        const QRect &screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PlacedEdge(QWidget *window, std::optional<int> left, std::optional<int> top,
               const QWidget *clearOf = nullptr);
    void applyNow();
    void settle();
    void moveClear();

    static constexpr int settleTime = 1000; // ms

    QWidget *window;
    std::optional<int> left;
    std::optional<int> top;
    QPointer<const QWidget> clearOf;
    bool settling = false;
};
