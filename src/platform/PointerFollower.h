#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Moves a window by the pointer's travel while the mouse is grabbed, and
// deletes itself at the release.
class PointerFollower : public QObject
{
    Q_OBJECT
public:
    // Follows from a press at pressPointer, when the window stood at
    // windowAtPress: the window catches up at once with the pointer's travel
    // since.
    PointerFollower(QWidget *window, const QPoint &pressPointer, const QPoint &windowAtPress);
    // Stands by while the window manager is asked to run the move. Should
    // declined, asked a moment later, find the window manager has not taken
    // the move, the window follows the pointer itself.
    static void standBy(QWidget *window, const QPoint &pressPointer, const QPoint &windowAtPress,
                        std::function<bool()> declined);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Neither follows nor grabs yet.
    PointerFollower(QWidget *window, const QPoint &pressPointer, const QPoint &windowAtPress,
                    bool waiting);
    void startFollowing();
    void follow();
    void end();

    QWidget *window;
    QPoint pressPointer;
    QPoint pressWindow;
    QElapsedTimer standingBy; // valid while standing by
};
