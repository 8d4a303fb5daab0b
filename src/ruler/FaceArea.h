#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// A part of the ruler's face: a picture, or a bar of one colour, that the
// window paints itself and whose mouse input the window takes. It has the
// name, place, visibility, picture and text a label would have, and is
// painted as a label without a frame paints them, but it is no widget: Qt
// repaints the ruler whole at every change of its length, and a child widget
// costs a painter, a clip and a move of its own each time, many times what
// drawing its picture costs.
class FaceArea : public QObject
{
    Q_OBJECT
public:
    FaceArea(QWidget *window, const QString &name, const QRect &geometry);

    // Place and visibility, in the window's coordinates, as a child widget's.
    QRect geometry() const { return place; }
    int x() const { return place.x(); }
    int y() const { return place.y(); }
    int width() const { return place.width(); }
    int height() const { return place.height(); }
    void move(int x, int y);
    void resize(int width, int height);
    bool isHidden() const { return hidden; }
    // Shown, and on a window that is shown.
    bool isVisible() const;
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // Drawn from its top left corner, cut off at its edges.
    QPixmap pixmap() const { return picture; }
    void setPixmap(const QPixmap &pixmap);
    // A bar's colour fills it, under its text.
    void setFill(const QColor &color);
    QString text() const { return caption; }
    void setText(const QString &text);

    // Shown and at point.
    bool contains(const QPoint &point) const { return !hidden && place.contains(point); }
    void paint(QPainter &painter) const;
    // Shown, and painting every pixel of its place: the window need not
    // paint its background there.
    bool coversItsPlace() const;

private:
    void setGeometry(const QRect &geometry);
    void changed(const QRect &area);
    void repaint(const QRect &area);

    QWidget *window;
    QRect place;
    bool hidden = false;
    QPixmap picture;
    QColor fill;
    QString caption;
};
