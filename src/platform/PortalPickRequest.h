#pragma once

#include "platform/ColorPicker.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <chrono>
#include <functional>

class QDBusPendingCallWatcher;
class QWidget;

// One PickColor question to the screenshot portal. The portal answers with
// a Response signal of a request object named after the caller and the
// question's handle token; that signal may come before the reply to the call
// itself, so the question listens there before it asks. It ends with the
// answer, when the portal leaves the bus, or at the time limit; it belongs
// to its window and goes when it ends.
class PortalPickRequest : public QObject
{
    Q_OBJECT
public:
    PortalPickRequest(const QDBusConnection &bus, const QString &token, QWidget *window,
                      std::function<void(ColorPicker::Answer)> done);

    void ask(std::chrono::milliseconds timeLimit);

    // The colour value of an answer: the colour picked, or -1 for a cancel, a
    // refusal or an answer without a usable colour.
    static qint32 colorOfResponse(uint response, const QVariantMap &results);

private slots:
    void responded(uint response, const QVariantMap &results);

private:
    QString expectedRequestPath() const;
    bool listenOn(const QString &path);
    void stopListening();
    void replied(QDBusPendingCallWatcher *call);
    void watchThePortal();
    void giveUp();
    void finish(ColorPicker::Answer answer);

    QDBusConnection bus;
    QString token;
    QString parentWindow;
    QString requestPath;
    std::function<void(ColorPicker::Answer)> done;
    bool finished = false;
};
