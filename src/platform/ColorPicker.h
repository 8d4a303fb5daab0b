#pragma once

#include <QtGlobal>
#include <functional>

class QWidget;

// The desktop's own colour picker, for desktops that let no program read the
// screen: the user picks a pixel with the desktop's tools.
class ColorPicker
{
public:
    // How a question ended, and the colour value picked.
    struct Answer
    {
        enum Outcome {
            Picked,
            Refused,    // a refusal, or no usable colour
            Unanswered, // no answer within the time limit
            PickerGone, // the picker left the bus before it answered
            Cancelled,  // the user changed their mind
            NoPicker,   // the desktop has none
        };
        Outcome outcome;
        qint32 color = -1; // when Picked
    };

    virtual ~ColorPicker() = default;

    // Asks for one colour on behalf of window. done gets the answer; it runs
    // later from the event loop, and not at all once the window is gone.
    virtual void pickColor(QWidget *window, std::function<void(Answer)> done) = 0;
};
