#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QPointer>

class QWidget;

// Override-redirect windows the program alone places and sizes, through
// Qt. The server's notice of each new place tells Qt nothing it does not
// know, yet Qt answers every one by asking the server again for the place
// and for a frame such a window never has: five round trips a move. The
// notices of these windows are dropped before Qt sees them.
class OwnPlacedWindows : public QAbstractNativeEventFilter
{
public:
    static void add(QWidget *window);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QList<QPointer<QWidget>> windows;
};
