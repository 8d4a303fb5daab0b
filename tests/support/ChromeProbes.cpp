#include "ChromeProbes.h"

#include "chrome/CaptionButton.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

void pressCaptionButton(QWidget *window, const QString &normalName)
{
    for (CaptionButton *button : window->findChildren<CaptionButton *>()) {
        if (button->normalPicture()->objectName() != normalName)
            continue;
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button->normalPicture(), &move);
        QTest::mousePress(button->hoverPicture(), Qt::RightButton);
        QTest::mouseRelease(button->downPicture(), Qt::RightButton);
        return;
    }
    QFAIL("no such caption button");
}

PaintCounter::PaintCounter(QWidget *widget)
{
    watch(widget);
}

void PaintCounter::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *inside : widget->findChildren<QWidget *>())
        inside->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}
