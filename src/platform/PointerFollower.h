#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a window by the pointer's travel while the mouse is grabbed, and
// deletes itself at the release.
class PointerFollower : public QObject
{
    Q_OBJECT
public:
    explicit PointerFollower(QWidget *window);
    // Follows from an earlier press at pressPointer: the window catches up at
    // once with the pointer's travel since.
    PointerFollower(QWidget *window, const QPoint &pressPointer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *window;
    QPoint pressPointer;
    QPoint pressWindow;
};
