#pragma once

#include "platform/ColorPicker.h"

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

// Color Spy's Start on a desktop that lets no program read the screen
// (XWayland): the desktop's colour picker is asked for one colour, which then
// fills the readouts as one sample does, but for the position. While the
// question is open the hint line says a pick is awaited. When there is no
// picker, the desktop says no, or the picker never answers or goes away, the
// hint line says so instead, and the readouts stay as they are; a cancel
// brings back the usual hint.
class DesktopPick : public QObject
{
public:
    using ShowSample = std::function<void(qint32 color)>;

    DesktopPick(QWidget *window, QLabel *hint, ShowSample show);

    // One question at a time: Start while one is open changes nothing.
    void ask();

private:
    void answered(ColorPicker::Answer answer);
    void showNotice(const QString &notice);
    void showDesignHint();

    QWidget *window;
    QLabel *hint;
    ShowSample show;
    QString designText;
    QRect designPlace;
    QFont designFont;
    bool asking = false;
};
