#pragma once

#include "platform/ColorPicker.h"

#include <QDBusConnection>

// Asks the screenshot portal of the session bus (PickColor of
// org.freedesktop.portal.Screenshot), the one way a program may learn a
// pixel's colour on a Wayland desktop.
class PortalColorPicker : public ColorPicker
{
public:
    explicit PortalColorPicker(const QDBusConnection &bus = QDBusConnection::sessionBus());

    void PickColor(QWidget *window, std::function<void(qint32)> done) override;

private:
    QDBusConnection bus;
    int questions = 0;
};
