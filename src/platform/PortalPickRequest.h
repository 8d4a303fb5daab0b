#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QDBusPendingCallWatcher;
class QWidget;

// One PickColor question to the screenshot portal. The portal answers with
// a Response signal of a request object named after the caller and the
// question's handle token; that signal may come before the reply to the call
// itself, so the question listens there before it asks. It belongs to its
// window and goes when answered.
class PortalPickRequest : public QObject
{
    Q_OBJECT
public:
    PortalPickRequest(const QDBusConnection &bus, const QString &token, QWidget *window,
                      std::function<void(qint32)> done);

    void Ask();

    // The colour value of an answer: the colour picked, or -1 for a cancel, a
    // refusal or an answer without a usable colour.
    static qint32 ColorOfResponse(uint response, const QVariantMap &results);

private slots:
    void Response(uint response, const QVariantMap &results);

private:
    QString expectedRequestPath() const;
    bool listenOn(const QString &path);
    void stopListening();
    void replied(QDBusPendingCallWatcher *call);
    void finish(qint32 color);

    QDBusConnection bus;
    QString token;
    QString parentWindow;
    QString requestPath;
    std::function<void(qint32)> done;
    bool finished = false;
};
