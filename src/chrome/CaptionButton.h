#pragma once

#include <QObject>

class QLabel;
class QWidget;

// A caption button drawn from three pictures of one size stacked at one spot:
// normal, hover and down. Exactly one of them shows; which one is the whole
// state. The pointer moving over the normal picture shows the hover picture,
// any press on that shows the down picture, and the release that ends the
// press acts wherever the pointer is by then and whichever button it was.
class CaptionButton : public QObject
{
    Q_OBJECT
public:
    enum Kind { Minimize, Close };
    enum State { Normal, Hover, Down };

    CaptionButton(Kind kind, QWidget *parent);

    QLabel *normalPicture() const { return normal; }
    QLabel *hoverPicture() const { return hover; }
    QLabel *downPicture() const { return down; }

    void moveTo(int x, int y);
    // Back to the normal picture, as the window's reset surfaces ask.
    void reset();
    State state() const;

signals:
    void pressed();
    void released();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(QLabel *picture);

    QLabel *normal;
    QLabel *hover;
    QLabel *down;
};
