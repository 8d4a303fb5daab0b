#include "platform/PointerFollower.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

class tst_pointerfollower : public QObject
{
    Q_OBJECT
private slots:
    void keepsPressedPointUnderPointer_data();
    void keepsPressedPointUnderPointer();
};

namespace {

void sendToWindow(QWidget &window, QEvent::Type type, Qt::MouseButtons buttons)
{
    const QPoint global = QCursor::pos();
    QMouseEvent event(type, window.mapFromGlobal(global), global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

} // namespace

void tst_pointerfollower::keepsPressedPointUnderPointer_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("pointerAtStart");
    QTest::addColumn<QPoint>("pointerLater");
    QTest::newRow("started at the press")
        << QPoint(250, 170) << QPoint(250, 170) << QPoint(300, 190);
    QTest::newRow("started after travel")
        << QPoint(250, 170) << QPoint(262, 165) << QPoint(330, 240);
    QTest::newRow("back past the press")
        << QPoint(250, 170) << QPoint(240, 170) << QPoint(150, 100);
}

// The window moves by the pointer's travel from the press, including the
// travel before the follower was started.
void tst_pointerfollower::keepsPressedPointUnderPointer()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, pointerAtStart);
    QFETCH(QPoint, pointerLater);
    QWidget window(nullptr, Qt::FramelessWindowHint); // as every window of the program
    window.setGeometry(200, 150, 400, 84);
    window.show();
    QCursor::setPos(pointerAtStart);
    if (QCursor::pos() != pointerAtStart)
        QSKIP("this platform does not place the pointer");
    new PointerFollower(&window, press, window.pos());
    QCOMPARE(window.pos(), QPoint(200, 150) + pointerAtStart - press);
    QCursor::setPos(pointerLater);
    sendToWindow(window, QEvent::MouseMove, Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(200, 150) + pointerLater - press);
    sendToWindow(window, QEvent::MouseButtonRelease, Qt::NoButton);
    QCursor::setPos(press);
    sendToWindow(window, QEvent::MouseMove, Qt::NoButton);
    QCOMPARE(window.pos(), QPoint(200, 150) + pointerLater - press);
}

QTEST_MAIN(tst_pointerfollower)
#include "tst_pointerfollower.moc"
