#pragma once

#include "platform/ColorPicker.h"

#include <QDBusConnection>
#include <chrono>
#include <optional>

// Asks the screenshot portal of the session bus (PickColor of
// org.freedesktop.portal.Screenshot), the one way a program may learn a
// pixel's colour on a Wayland desktop.
class PortalColorPicker : public ColorPicker
{
public:
    // A user picking takes seconds; a portal silent for the whole time limit
    // has dropped the question (it hung, or its answer was too large for
    // the bus). Without a bus the session bus is taken, on the first
    // question: the program's start does not wait for a bus that most
    // sessions never ask.
    explicit PortalColorPicker(std::chrono::milliseconds timeLimit = std::chrono::minutes(1));
    PortalColorPicker(const QDBusConnection &bus,
                      std::chrono::milliseconds timeLimit = std::chrono::minutes(1));

    void pickColor(QWidget *window, std::function<void(Answer)> done) override;

private:
    std::optional<QDBusConnection> bus;
    std::chrono::milliseconds timeLimit;
    int questions = 0;
};
