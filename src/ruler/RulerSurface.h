#pragma once

#include "ruler/RulerLayout.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

class QLabel;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QWidget;

// The ruler's face as the window paints it and takes its mouse: the
// window's own background and the areas lying on it (the faces, the title
// images and the edge bars), each a picture or a bar of one colour, and the
// caption pictures lying flat on those. None of them is a widget: Qt repaints
// the ruler whole at every change of its length, and a child widget costs a
// painter, a clip and a move of its own each time, many times what drawing
// its picture costs.
//
// A left press drags the window once the pointer has travelled the
// desktop's drag distance, so that clicks and double-clicks on the same
// areas still arrive; the area pressed takes the moves and the release that
// follow, wherever the pointer goes, as a widget would.
class RulerSurface : public QObject
{
    Q_OBJECT
public:
    using Area = RulerLayout::Control; // RulerLayout::Form up to Image2

    explicit RulerSurface(QWidget *window);

    // Each area is placed, shown and drawn as a label without a frame would
    // be: its fill, then its picture or its text at its top left.
    QRect place(Area area) const { return areas[area].place; }
    bool isShown(Area area) const { return areas[area].shown; }
    QPixmap picture(Area area) const { return areas[area].picture; }
    QString text(Area area) const { return areas[area].text; }
    void setPlace(Area area, const QRect &place);
    void setShown(Area area, bool shown);
    void setPicture(Area area, const QPixmap &picture);
    void setFill(Area area, const QColor &fill);
    void setText(Area area, const QString &text);

    // The topmost shown area at point, or the background.
    Area areaAt(const QPoint &point) const;

    // A label the window paints in its paint pass instead, as the label
    // would paint itself. It must lie below every child that paints itself.
    void addFlatLabel(QLabel *label);

    // The window's whole paint pass.
    void paint(QPaintEvent *event) const;
    // Any mouse event the window itself receives.
    void mouseEvent(QMouseEvent *event);

signals:
    void doubleClicked(RulerSurface::Area area);
    // A left press and release with no drag between them.
    void clicked(RulerSurface::Area area);
    // A right release on the background: the window's own click.
    void backgroundRightClicked();
    // A right press, or a right double-click, on an area of the face.
    void menuAsked();
    // The pointer moving over an area with no button held.
    void hovered(RulerSurface::Area area);
    // The pointer has travelled far enough from a left press: the window's
    // move starts from where it was pressed.
    void dragStarted(const QPoint &pressGlobal);

private:
    struct FaceArea
    {
        QRect place;
        bool shown = true;
        QPixmap picture;
        QColor fill;
        QString text;
    };
    struct FlatLabel
    {
        QLabel *label;
        bool fillsBackground;
    };

    bool coversItsPlace(const FaceArea &area) const;
    void paintArea(QPainter &painter, const FaceArea &area) const;
    void paintFlatLabels(QPainter &painter, const QRect &rect) const;
    const FlatLabel *flatLabel(const QObject *child) const;
    static void paintLabel(QPainter &painter, const FlatLabel &flat);
    void changed(const FaceArea &area, const QRect &rect);
    void handle(Area area, QMouseEvent *event);
    void followPressForDrag(QMouseEvent *event);

    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *window;
    std::array<FaceArea, RulerLayout::faceAreaCount> areas;
    QList<FlatLabel> flatLabels;
    // The area a press landed on, until its release; none: -1.
    int pressedArea = -1;
    QPoint pressGlobal;
    bool leftPressPending = false;
};
