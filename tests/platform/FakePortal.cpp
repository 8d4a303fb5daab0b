// A stand-in for the desktop's screenshot portal on a private session bus. It
// owns org.freedesktop.portal.Desktop and answers every PickColor as its
// command line says:
//   fake_portal answer R G B   the colour picked, each channel 0 to 1
//   fake_portal cancel         the user cancelled (response 1)
//   fake_portal refuse         the portal said no (response 2)
//   fake_portal error          a D-Bus error instead of a request object
//   fake_portal nointerface    the error of a portal without a screenshot
//                              interface
//   fake_portal nocolour       picked, but the results hold no "color"
//   fake_portal badcolour      picked, with a "color" that is not three numbers
//   fake_portal silent         takes the question and never answers (hung, or
//                              its answer was too large for the bus)
//   fake_portal dying          takes the question, then dies before answering
// Like a real portal it names the request object after the caller's bus name
// and the handle token; it sends the answer before it replies to the call,
// an order a client must be ready for. It prints "ready" once it owns the
// name, then "PickColor <parent window> <token>" for each call and "Close
// <token>" when a question it left unanswered is closed.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

// The request object of a question left unanswered, which the client may close.
class FakeRequest : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    FakeRequest(const QString &token, QObject *parent) : QObject(parent), token(token) {}

public slots:
    void Close()
    {
        std::printf("Close %s\n", qPrintable(token));
        std::fflush(stdout);
    }

private:
    QString token;
};

class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakePortal(const QStringList &how) : how(how) {}

public slots:
    QDBusObjectPath PickColor(const QString &parentWindow, const QVariantMap &options)
    {
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        std::printf("PickColor %s %s\n", qPrintable(parentWindow), qPrintable(token));
        std::fflush(stdout);
        if (how.value(0) == QLatin1String("nointerface")) {
            sendErrorReply(QDBusError::UnknownInterface, QStringLiteral("no screenshots here"));
            return {};
        }
        if (how.value(0) == QLatin1String("error") || token.isEmpty()) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.Failed"),
                           QStringLiteral("no colour today"));
            return {};
        }
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                             QLatin1Char('/') + token;
        if (how.value(0) == QLatin1String("silent") || how.value(0) == QLatin1String("dying")) {
            connection().registerObject(path, new FakeRequest(token, this),
                                        QDBusConnection::ExportAllSlots);
            if (how.value(0) == QLatin1String("dying"))
                QTimer::singleShot(200, [] { std::_Exit(0); });
            return QDBusObjectPath(path);
        }
        QDBusMessage response = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << uint(responseCode()) << results();
        connection().send(response);
        return QDBusObjectPath(path);
    }

private:
    int responseCode() const
    {
        const QString mode = how.value(0);
        return mode == QLatin1String("cancel") ? 1 : mode == QLatin1String("refuse") ? 2 : 0;
    }

    QVariantMap results() const
    {
        const QString mode = how.value(0);
        if (mode == QLatin1String("badcolour"))
            return {{QStringLiteral("color"), QStringLiteral("red")}};
        if (mode != QLatin1String("answer"))
            return {};
        QDBusArgument color;
        color.beginStructure();
        for (int channel = 1; channel <= 3; ++channel)
            color << how.value(channel).toDouble();
        color.endStructure();
        return {{QStringLiteral("color"), QVariant::fromValue(color)}};
    }

    QStringList how;
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    FakePortal portal(application.arguments().mid(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fake_portal: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}

#include "FakePortal.moc"
