#pragma once

#include <QObject>

class QLabel;
class QWidget;

// The two-picture switch that shows whether a window stays above all others:
// "On Top" (Top_Y) while it does, "Not On Top" (Top_N) while it does not.
class OnTopToggle : public QObject
{
    Q_OBJECT
public:
    // Starts showing "Not On Top"; window is the top-level window it switches.
    OnTopToggle(QWidget *window, QWidget *parent);

    QLabel *Top_Y() const { return onTop; }
    QLabel *Top_N() const { return notOnTop; }

    void moveTo(int x, int y);
    bool showsOnTop() const;
    void putOnTop();
    void takeOffTop();

signals:
    void Top_Y_Clicked();
    void Top_N_Clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    QLabel *onTop;
    QLabel *notOnTop;
};
