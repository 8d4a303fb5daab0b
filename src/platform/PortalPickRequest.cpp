#include "platform/PortalPickRequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString responseSignal = QStringLiteral("Response");
constexpr uint cancelledByTheUser = 1;

// What a failed call says of the desktop: no portal, or one without a
// screenshot interface, has no picker; a call without any reply found the
// portal hung.
ColorPicker::Answer::Outcome outcomeOfError(QDBusError::ErrorType error)
{
    switch (error) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
        return ColorPicker::Answer::Unanswered;
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
        return ColorPicker::Answer::NoPicker;
    default:
        return ColorPicker::Answer::Refused;
    }
}

// A channel of the portal's colour, 0 to 1, as a byte; -1 for no number.
int channelByte(double fraction)
{
    if (!std::isfinite(fraction))
        return -1;
    return int(std::lround(std::clamp(fraction, 0.0, 1.0) * 255.0));
}

} // namespace

PortalPickRequest::PortalPickRequest(const QDBusConnection &bus, const QString &token,
                                     QWidget *window, std::function<void(ColorPicker::Answer)> done)
    : QObject(window), bus(bus), token(token), done(std::move(done))
{
    // Lets the portal put its dialog above the window that asks.
    if (window && QGuiApplication::platformName() == QLatin1String("xcb"))
        parentWindow = QStringLiteral("x11:%1").arg(window->winId(), 0, 16);
}

void PortalPickRequest::ask(std::chrono::milliseconds timeLimit)
{
    if (!bus.isConnected() || !listenOn(expectedRequestPath())) {
        QTimer::singleShot(0, this, [this] { finish({ColorPicker::Answer::NoPicker}); });
        return;
    }
    watchThePortal();
    QTimer::singleShot(timeLimit, this, &PortalPickRequest::giveUp);
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, int(timeLimit.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalPickRequest::replied);
}

qint32 PortalPickRequest::colorOfResponse(uint response, const QVariantMap &results)
{
    const QVariant color = results.value(QStringLiteral("color"));
    if (response != 0 || color.userType() != qMetaTypeId<QDBusArgument>())
        return -1;
    const QDBusArgument argument = color.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return -1;
    double red = 0, green = 0, blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    const int bytes[] = {channelByte(red), channelByte(green), channelByte(blue)};
    if (*std::min_element(std::begin(bytes), std::end(bytes)) < 0)
        return -1;
    return bytes[0] + 256 * bytes[1] + 65536 * bytes[2];
}

void PortalPickRequest::responded(uint response, const QVariantMap &results)
{
    if (response == cancelledByTheUser) {
        finish({ColorPicker::Answer::Cancelled});
        return;
    }
    const qint32 color = colorOfResponse(response, results);
    finish({color < 0 ? ColorPicker::Answer::Refused : ColorPicker::Answer::Picked, color});
}

// A portal that dies while the user picks never answers; a new one that
// takes its name knows nothing of the question. The watch starts before the
// question goes out, on the same connection, so no change can slip past.
void PortalPickRequest::watchThePortal()
{
    auto *watcher =
        new QDBusServiceWatcher(portalService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &oldOwner, const QString &) {
                if (!oldOwner.isEmpty())
                    finish({ColorPicker::Answer::PickerGone});
            });
}

// The question is closed on the portal's side too, taking the picker off
// the screen if it is still there.
void PortalPickRequest::giveUp()
{
    if (finished)
        return;
    bus.send(QDBusMessage::createMethodCall(portalService, requestPath, requestInterface,
                                            QStringLiteral("Close")));
    finish({ColorPicker::Answer::Unanswered});
}

// The portal's request objects are named after the caller's unique bus name
// without its colon, dots made underscores.
QString PortalPickRequest::expectedRequestPath() const
{
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

bool PortalPickRequest::listenOn(const QString &path)
{
    requestPath = path;
    return bus.connect(portalService, path, requestInterface, responseSignal, this,
                       SLOT(responded(uint, QVariantMap)));
}

void PortalPickRequest::stopListening()
{
    bus.disconnect(portalService, requestPath, requestInterface, responseSignal, this,
                   SLOT(responded(uint, QVariantMap)));
}

// A portal older than the handle token names the request object only in its
// reply; the answer then comes there.
void PortalPickRequest::replied(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    if (finished)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        finish({outcomeOfError(reply.error().type())});
        return;
    }
    const QString path = reply.value().path();
    if (path == requestPath)
        return;
    stopListening();
    if (!listenOn(path))
        finish({ColorPicker::Answer::Refused});
}

// The window may go in done, and this question with it.
void PortalPickRequest::finish(ColorPicker::Answer answer)
{
    if (finished)
        return;
    finished = true;
    stopListening();
    const std::function<void(ColorPicker::Answer)> tell = std::move(done);
    deleteLater();
    tell(answer);
}
