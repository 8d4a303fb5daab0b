#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QSize;
class QWidget;

// Tiling window managers (i3, sway, dwm and others) lay every ordinary window
// out in their grid, which would stretch the ruler over the whole screen and
// squeeze the colour tools. A window whose smallest and largest sizes agree,
// or whose type is a utility window or a dialog, floats at its own size
// instead; each of the program's windows says both.
class FloatingWindow : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    enum Kind { Utility, Dialog };

    // Fixes the window at its current size and gives it the type of that
    // kind from before it is first mapped on.
    static void Mark(QWidget *window, Kind kind);

    // A new size together with the size hints that fix it there: a plain
    // resize stays within the hints of the old size.
    static void Resize(QWidget *window, const QSize &size);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FloatingWindow(QWidget *window, Kind kind);
    quint32 nativeId() const;
    void writeType() const;

    QWidget *window;
    Kind kind;
    quint32 typeProperty = 0; // _NET_WM_WINDOW_TYPE; 0 off X11
};
