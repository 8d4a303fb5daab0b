#pragma once

#include <functional>

class QLabel;
class QString;
class QWidget;

// What assistive technology is told of the parts every window draws itself:
// the window is a frame named by its title, a readout label a text named by
// what it reads out, and a caption picture a push button with a press action
// and, for a switch, its state. Each is called before the widget is named or
// titled: assistive technology keeps the first view it takes of a widget.
namespace AccessibleChrome {

void frame(QWidget *window);
// A label showing a value: named by its accessible name, its text the value.
void valueLabel(QLabel *label);
// press runs the picture's action; isOn, when given, tells whether the
// switch the picture stands for is on.
void pictureButton(QLabel *picture, const QString &name, std::function<void()> press,
                   std::function<bool()> isOn = {});

} // namespace AccessibleChrome
