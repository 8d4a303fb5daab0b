#include "about/AboutCloseButton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

class tst_aboutclosebutton : public QObject
{
    Q_OBJECT
private slots:
    void startsNormal();
    void releaseAnywhereCloses_data();
    void releaseAnywhereCloses();
    void releaseWithoutPressDoesNothing();
};

void tst_aboutclosebutton::startsNormal()
{
    QWidget host;
    AboutCloseButton button(&host);
    QVERIFY(!button.normalPicture()->isHidden());
    QVERIFY(button.downPicture()->isHidden());
    QVERIFY(!button.isDown());
    QCOMPARE(button.normalPicture()->size(), QSize(21, 21));
    QVERIFY(!button.normalPicture()->pixmap().isNull());
    QVERIFY(!button.downPicture()->pixmap().isNull());
}

void tst_aboutclosebutton::releaseAnywhereCloses_data()
{
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::newRow("left, on the button") << Qt::LeftButton << QPoint(45, 15);
    QTest::newRow("left, elsewhere in the window") << Qt::LeftButton << QPoint(2, 50);
    QTest::newRow("left, outside the window") << Qt::LeftButton << QPoint(400, -30);
    QTest::newRow("right, outside the window") << Qt::RightButton << QPoint(-20, 300);
    QTest::newRow("middle, on the button") << Qt::MiddleButton << QPoint(41, 11);
}

// Drives the press and release through the window, as the pointer would: the
// release must reach the button although the picture pressed is hidden by then.
void tst_aboutclosebutton::releaseAnywhereCloses()
{
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(QPoint, releaseAt);
    QWidget host;
    host.resize(100, 60);
    AboutCloseButton button(&host);
    button.moveTo(40, 10);
    QSignalSpy released(&button, &AboutCloseButton::released);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mousePress(host.windowHandle(), mouseButton, {}, QPoint(45, 15));
    QVERIFY(button.isDown());
    QVERIFY(button.normalPicture()->isHidden());
    QCOMPARE(button.downPicture()->pos(), QPoint(40, 10));
    QCOMPARE(released.count(), 0);
    QTest::mouseRelease(host.windowHandle(), mouseButton, {}, releaseAt);
    QCOMPARE(released.count(), 1);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void tst_aboutclosebutton::releaseWithoutPressDoesNothing()
{
    QWidget host;
    AboutCloseButton button(&host);
    QSignalSpy released(&button, &AboutCloseButton::released);
    QTest::mouseRelease(button.downPicture(), Qt::LeftButton);
    QCOMPARE(released.count(), 0);
    QVERIFY(!button.isDown());
}

QTEST_MAIN(tst_aboutclosebutton)
#include "tst_aboutclosebutton.moc"
