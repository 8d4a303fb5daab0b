#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/FaceArea.h"
#include "ruler/Form1.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QTimer>

// The mouse on the ruler's face: its clicks, drags and double-clicks, and
// every way into the context menu.

class TestForm1Mouse : public WindowTest
{
    Q_OBJECT
private slots:
    void surfacesTakeTheMouse_data();
    void surfacesTakeTheMouse();
    void leftDragKeepsPressPointUnderPointer_data();
    void leftDragKeepsPressPointUnderPointer();
    void waysIntoTheMenu_data();
    void waysIntoTheMenu();
};

void TestForm1Mouse::surfacesTakeTheMouse_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("resets"); // a move over it: the caption buttons normal again
    QTest::newRow("face") << false << QPoint(300, 15) << QPoint(300, 15) << true << true << true
                          << true;
    QTest::newRow("face, over the hidden upright face")
        << false << QPoint(40, 15) << QPoint(40, 15) << true << true << true << true;
    QTest::newRow("title image") << false << QPoint(160, 20) << QPoint(160, 20) << true << true
                                 << true << true;
    QTest::newRow("top edge bar") << false << QPoint(200, 3) << QPoint(200, 3) << true << true
                                  << false << false;
    QTest::newRow("top edge bar, a click")
        << false << QPoint(200, 3) << QPoint(200, 3) << false << false << false << false;
    QTest::newRow("bottom edge bar, a click")
        << false << QPoint(200, 80) << QPoint(200, 80) << false << true << false << false;
    QTest::newRow("bottom edge bar, released on the face")
        << false << QPoint(200, 80) << QPoint(200, 75) << false << true << false << false;
    QTest::newRow("face, released on the bottom edge bar")
        << false << QPoint(200, 75) << QPoint(200, 80) << false << false << false << true;
    QTest::newRow("upright face") << true << QPoint(40, 300) << QPoint(40, 300) << true << true
                                  << false << true;
    QTest::newRow("upright title image")
        << true << QPoint(50, 200) << QPoint(50, 200) << true << true << false << true;
    QTest::newRow("left edge bar")
        << true << QPoint(3, 200) << QPoint(3, 200) << true << true << false << false;
    QTest::newRow("right edge bar")
        << true << QPoint(80, 200) << QPoint(80, 200) << true << true << false << false;
}

// The face's areas take the presses, clicks and double-clicks that land on
// them, the topmost shown one first; the area pressed takes the release
// wherever it comes.
void TestForm1Mouse::surfacesTakeTheMouse()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(bool, twice);
    QFETCH(bool, ends);
    QFETCH(bool, saves);
    QFETCH(bool, resets);
    Form1 ruler;
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    auto send = [&](QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, ruler.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&ruler, &event);
    };
    for (const char *normal : {"Image3", "Image4"}) { // their hover pictures shown
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), QPointF(), Qt::NoButton, {}, {});
        QApplication::sendEvent(ruler.findChild<QLabel *>(normal), &over);
    }
    QVERIFY(!ruler.findChild<QLabel *>("Image6")->isHidden());
    QVERIFY(!ruler.findChild<QLabel *>("Image7")->isHidden());
    send(QEvent::MouseMove, press, Qt::NoButton);
    QCOMPARE(ruler.findChild<QLabel *>("Image6")->isHidden(), resets);
    QCOMPARE(ruler.findChild<QLabel *>("Image7")->isHidden(), resets);
    send(QEvent::MouseButtonPress, press, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, release, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, press, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, release, Qt::NoButton);
    }
    QCOMPARE(ended, ends);
    QCOMPARE(!fakes->settings.writes.isEmpty(), saves);
}

void TestForm1Mouse::leftDragKeepsPressPointUnderPointer_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<bool>("drags");
    QTest::newRow("face, along") << "Image9" << QPoint(12, 0) << true;
    QTest::newRow("face, up and left") << "Image9" << QPoint(-8, -6) << true;
    QTest::newRow("title image") << "Image1" << QPoint(0, 15) << true;
    QTest::newRow("top edge bar") << "Label1" << QPoint(20, 3) << true;
    QTest::newRow("bottom edge bar") << "Label2" << QPoint(11, 0) << true;
    QTest::newRow("face, a jitter") << "Image9" << QPoint(3, 2) << false;
}

// The move starts once the pointer has travelled a little from the press; it
// must start from the press, or the window lags behind the pointer.
void TestForm1Mouse::leftDragKeepsPressPointUnderPointer()
{
    QFETCH(QString, surface);
    QFETCH(QPoint, travel);
    QFETCH(bool, drags);
    Form1 ruler;
    ruler.move(200, 150);
    ruler.show();
    const FaceArea *handle = named<FaceArea>(&ruler, surface);
    QVERIFY(handle);
    const QPoint local = handle->geometry().topLeft() + QPoint(5, 3);
    press(&ruler, Qt::LeftButton, local);
    moveOver(&ruler, local + travel, Qt::LeftButton);
    moveOver(&ruler, local + travel, Qt::LeftButton);
    QCOMPARE(fakes->mover.moves, drags ? QList<QWidget *>{&ruler} : QList<QWidget *>());
    QCOMPARE(fakes->mover.continuedFrom,
             drags ? QList<QPoint>{ruler.mapToGlobal(local)} : QList<QPoint>());
}

// Every way into the context menu, and where it opens, from the ruler's
// corner: the mouse's at the pointer (a second right press soon after the
// first arrives as a double-click, and opens it all the same), the
// keyboard's at the middle of the slider that has the focus, as the Menu key
// asks for it. The platform's context event of a right press must not open
// the menu a second time.
void TestForm1Mouse::waysIntoTheMenu_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("at"); // (0, 0): no menu
    const QPoint face(100, 40);
    QTest::newRow("right press") << "right press" << false << face;
    QTest::newRow("right double-click") << "right double-click" << false << face;
    QTest::newRow("context event of a press") << "mouse context" << false << QPoint();
    QTest::newRow("Menu key") << "Menu" << false << QPoint(199, 59);
    QTest::newRow("Shift+F10") << "Shift+F10" << false << QPoint(199, 59);
    QTest::newRow("Menu key, vertical") << "Menu" << true << QPoint(25, 209);
    QTest::newRow("Shift+F10, vertical") << "Shift+F10" << true << QPoint(25, 209);
}

void TestForm1Mouse::waysIntoTheMenu()
{
    QFETCH(QString, way);
    QFETCH(bool, vertical);
    QFETCH(QPoint, at);
    Form1 ruler;
    ruler.move(200, 150);
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    ruler.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ruler));
    QWidget *popup = nullptr;
    QPoint opened;
    QTimer menuWatch; // runs inside the menu's own loop, if one opens
    menuWatch.setSingleShot(true);
    connect(&menuWatch, &QTimer::timeout, [&] {
        popup = QApplication::activePopupWidget();
        if (popup) {
            opened = popup->pos();
            popup->close();
        }
    });
    menuWatch.start(0);
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, named<QSlider>(&ruler, vertical ? "Slider2" : "Slider1"));
    const QPoint pointer = ruler.mapToGlobal(QPoint(100, 40));
    QCursor::setPos(pointer);
    if (way == QLatin1String("right press")) {
        press(&ruler, Qt::RightButton, ruler.mapFromGlobal(pointer));
    } else if (way == QLatin1String("right double-click")) {
        doubleClick(&ruler, Qt::RightButton, ruler.mapFromGlobal(pointer));
    } else if (way == QLatin1String("mouse context")) {
        QContextMenuEvent context(QContextMenuEvent::Mouse, ruler.mapFromGlobal(pointer), pointer);
        QCoreApplication::sendEvent(&ruler, &context);
    } else if (way == QLatin1String("Menu")) {
        // As the platform sends it for the key: to the control with the focus.
        const QPoint global = ruler.mapToGlobal(at);
        QContextMenuEvent context(QContextMenuEvent::Keyboard, focus->mapFromGlobal(global),
                                  global);
        QCoreApplication::sendEvent(focus, &context);
    } else {
        QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    }
    if (at.isNull()) {
        QCOMPARE(popup, nullptr);
    } else {
        QCOMPARE(popup, static_cast<QWidget *>(ruler.menu()));
        QCOMPARE(opened, ruler.mapToGlobal(at));
    }
    QVERIFY(!ended);
}

QTEST_MAIN(TestForm1Mouse)
#include "tst_form1_mouse.moc"
