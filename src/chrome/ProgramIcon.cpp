#include "chrome/ProgramIcon.h"

#include "chrome/ToolLook.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Decoded by ToolLook as every picture of the program is, without loading
// Qt's image plug-ins.
QPixmap pictureOfSize(int pixels)
{
    return ToolLook::asset(QByteArray("icons/ombrix-" + QByteArray::number(pixels)).constData());
}

// Watches a window for its first paint, then gives the program every size
// of its icon and goes.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget *window) : QObject(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint reaches the screen first.
            QTimer::singleShot(0, qApp,
                               [] { QApplication::setWindowIcon(ProgramIcon::allSizes()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

namespace ProgramIcon {

QIcon small()
{
    return QIcon(pictureOfSize(32));
}

QIcon allSizes()
{
    QIcon icon;
    for (int pixels : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(pictureOfSize(pixels));
    return icon;
}

void allSizesAfterFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatch(window));
}

} // namespace ProgramIcon
