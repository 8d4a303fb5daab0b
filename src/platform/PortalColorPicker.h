#pragma once

#include "platform/ColorPicker.h"

#include <QDBusConnection>
#include <optional>

// Asks the screenshot portal of the session bus (PickColor of
// org.freedesktop.portal.Screenshot), the one way a program may learn a
// pixel's colour on a Wayland desktop.
class PortalColorPicker : public ColorPicker
{
public:
    // Without a bus the session bus is taken, on the first question: the
    // program's start does not wait for a bus that most sessions never ask.
    PortalColorPicker() = default;
    explicit PortalColorPicker(const QDBusConnection &bus);

    void PickColor(QWidget *window, std::function<void(qint32)> done) override;

private:
    std::optional<QDBusConnection> bus;
    int questions = 0;
};
