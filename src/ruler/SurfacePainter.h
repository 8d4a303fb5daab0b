#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QPainter;
class QRect;
class QWidget;

// Paints the labels that lie flat on a window (the ruler's caption pictures)
// as part of the window's own paint pass, each as the label would paint
// itself. Qt repaints a window whole after every change of its size; each
// child widget that paints itself costs a painter and a clip of its own, many
// times what drawing its picture costs. The labels stay, with their names,
// places, pictures, tooltips and mouse handling; only their paint events are
// taken over.
//
// The labels must lie below every child of the window that paints itself.
class SurfacePainter : public QObject
{
    Q_OBJECT
public:
    explicit SurfacePainter(QWidget *window);

    void add(QLabel *label);
    // Paints the shown labels that meet area, bottom first (window
    // coordinates).
    void paint(QPainter &painter, const QRect &area) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Surface
    {
        QLabel *label;
        bool fillsBackground;
    };

    const Surface *find(const QObject *child) const;
    static void paintLabel(QPainter &painter, const Surface &surface);

    QWidget *window;
    QList<Surface> surfaces;
};
