#include "WindowTest.h"

#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

void WindowTest::init()
{
    fakes = std::make_unique<ScopedFakeServices>();
    ended = false;
    setProgramEnd([this] { ended = true; });
    QLocale::setDefault(QLocale::c());
}

void WindowTest::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            window->close();
    }
    settle();
    fakes.reset();
}

void press(QWidget *control, Qt::MouseButton button, QPoint at)
{
    QTest::mousePress(control, button, {}, at);
}

void release(QWidget *control, Qt::MouseButton button, QPoint at)
{
    QTest::mouseRelease(control, button, {}, at);
}

void doubleClick(QWidget *control, Qt::MouseButton button, QPoint at)
{
    QTest::mouseDClick(control, button, {}, at);
}

// QTest's own move goes through the cursor and carries no buttons.
void moveOver(QWidget *control, QPoint at, Qt::MouseButtons held)
{
    if (at.isNull())
        at = control->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void keyOrWheel(QWidget *control, int key, QPoint angle)
{
    if (key) {
        QTest::keyClick(control, Qt::Key(key));
        return;
    }
    const QPointF middle = control->rect().center();
    QWheelEvent turn(middle, control->mapToGlobal(middle), {}, angle, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &turn);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void pressCaptionButton(QWidget *window, const QString &normalName)
{
    const QString kind = normalName.section(QLatin1Char('_'), 0, 0);
    QWidget *normal = named(window, normalName);
    QWidget *hover = named(window, kind + QStringLiteral("_hover"));
    QWidget *down = named(window, kind + QStringLiteral("_down"));
    if (!normal || !hover || !down)
        return;
    moveOver(normal, QPoint(5, 5));
    press(hover, Qt::RightButton);
    release(down, Qt::RightButton);
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
