#pragma once

#include <QtGlobal>
#include <functional>

class QWidget;

// The desktop's own colour picker, for desktops that let no program read the
// screen: the user picks a pixel with the desktop's tools.
class ColorPicker
{
public:
    virtual ~ColorPicker() = default;

    // Asks for one colour on behalf of window. done gets the colour value
    // picked, or -1 when there is no picker, the user cancelled or the picker
    // failed; it runs later from the event loop, and not at all once the
    // window is gone.
    virtual void PickColor(QWidget *window, std::function<void(qint32)> done) = 0;
};
