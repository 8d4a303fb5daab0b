#pragma once

#include <QObject>

class QLabel;
class QWidget;

// The About box's close button: two pictures at one spot, normal (Image5)
// and down (Image6). Any press on the normal picture shows the down picture;
// the release that ends that press closes, wherever the pointer is by then.
class AboutCloseButton : public QObject
{
    Q_OBJECT
public:
    explicit AboutCloseButton(QWidget *parent);

    QLabel *normalPicture() const { return Image5; }
    QLabel *downPicture() const { return Image6; }
    bool isDown() const;
    void moveTo(int x, int y);

signals:
    void released();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Image5_MouseDown();
    void Image5_MouseUp();

    QLabel *Image5;
    QLabel *Image6;
};
