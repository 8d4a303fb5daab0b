#pragma once

#include <functional>

class QLabel;
class QString;
class QWidget;

// What assistive technology is told of the parts every window draws itself:
// the window is a frame named by its title, and a caption picture is a push
// button with a press action (a toggle button when it shows a state).
namespace AccessibleChrome {

void frame(QWidget *window);
// press runs the picture's action; isOn, when given, tells whether the
// switch the picture stands for is on.
void pictureButton(QLabel *picture, const QString &name, std::function<void()> press,
                   std::function<bool()> isOn = {});

} // namespace AccessibleChrome
