#include "platform/PortalColorPicker.h"

#include "platform/PortalPickRequest.h"

#include <QCoreApplication>

PortalColorPicker::PortalColorPicker(std::chrono::milliseconds timeLimit) : timeLimit(timeLimit) {}

PortalColorPicker::PortalColorPicker(const QDBusConnection &bus,
                                     std::chrono::milliseconds timeLimit)
    : bus(bus), timeLimit(timeLimit)
{
}

// The token names the request object the portal makes for the question; one
// of its own for each question keeps their answers apart.
void PortalColorPicker::pickColor(QWidget *window, std::function<void(Answer)> done)
{
    const QString token =
        QStringLiteral("ombrix%1_%2").arg(QCoreApplication::applicationPid()).arg(++questions);
    if (!bus)
        bus = QDBusConnection::sessionBus();
    auto *request = new PortalPickRequest(*bus, token, window, std::move(done));
    request->ask(timeLimit);
}
