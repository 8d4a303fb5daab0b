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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    QPoint pressPointer;
    QPoint pressWindow;
};
