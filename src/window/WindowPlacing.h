#pragma once

#include <QPointF>
#include <optional>

class QWidget;

// A window's place as the settings store keeps it: its outer left and top
// edge in twips.
namespace WindowPlacing {

// Each edge on its own: an edge not given, or one no window can stand at,
// leaves that edge where the windowing system put it. With neither edge, a
// window the windowing system puts over clearOf moves beside it.
void restore(QWidget *window, std::optional<float> leftTwips, std::optional<float> topTwips,
             const QWidget *clearOf = nullptr);

// The window's outer left and top edge in twips, where it really stands: the
// place to store.
QPointF place(const QWidget *window);

} // namespace WindowPlacing
