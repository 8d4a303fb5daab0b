#include "HostedButton.h"
#include "button/chameleonButton.h"

#include <QSignalSpy>
#include <QTest>

// The button under the mouse: presses, releases and double-clicks of each
// button, and the events it raises for them.

namespace {

// Records the arguments of the by-reference mouse events, which a signal
// spy cannot take.
struct MouseLog
{
    struct Entry
    {
        qint16 button, shift;
        float x, y;
    };
    MouseLog(chameleonButton *button,
             void (chameleonButton::*signal)(qint16 &, qint16 &, float &, float &))
    {
        QObject::connect(button, signal, button, [this](qint16 &b, qint16 &s, float &x, float &y) {
            entries << Entry{b, s, x, y};
        });
    }
    QList<Entry> entries;
};

} // namespace

class tst_chameleonbutton_mouse : public QObject
{
    Q_OBJECT
private slots:
    void pressDragOutBackReleaseInside();
    void releaseOutsideGivesNoClick();
    void doubleClickGivesOneClick();
    void secondaryButtonChangesNoLook();
    void handlersMayChangeArguments();
};

void tst_chameleonbutton_mouse::pressDragOutBackReleaseInside()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseMove(windowOf(h), outside);
    QVERIFY(!looksPressed(h.button));
    QTest::mouseMove(windowOf(h), inside + QPoint(3, 0));
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside + QPoint(3, 0));
    QVERIFY(!looksPressed(h.button));
    QCOMPARE(clicks.size(), 1);
}

void tst_chameleonbutton_mouse::releaseOutsideGivesNoClick()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog ups(h.button, &chameleonButton::MouseUp);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::mouseMove(windowOf(h), outside);
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, outside);
    QCOMPARE(ups.entries.size(), 1);
    QCOMPARE(ups.entries.at(0).x, 190.0f);
    QCOMPARE(clicks.size(), 0);
    // A release on a cut corner pixel is outside the button too.
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 0);
}

void tst_chameleonbutton_mouse::doubleClickGivesOneClick()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog downs(h.button, &chameleonButton::MouseDown);
    MouseLog ups(h.button, &chameleonButton::MouseUp);
    QTest::mouseDClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.entries.size(), 2);
    QCOMPARE(ups.entries.size(), 2);
    QCOMPARE(downs.entries.at(0).x, 30.0f);
    // The second press is the double-click notice's own.
    QCOMPARE(downs.entries.at(1).button, qint16(1));
    QCOMPARE(downs.entries.at(1).shift, qint16(1));
    QCOMPARE(downs.entries.at(1).x, 1.0f);
    QCOMPARE(downs.entries.at(1).y, 1.0f);
    QVERIFY(!looksPressed(h.button));
    // The next single click is a click again.
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 2);
}

void tst_chameleonbutton_mouse::secondaryButtonChangesNoLook()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog downs(h.button, &chameleonButton::MouseDown);
    const qint64 before = h.button->picture().cacheKey();
    QTest::mousePress(windowOf(h), Qt::RightButton, Qt::ShiftModifier, inside);
    QCOMPARE(h.button->picture().cacheKey(), before);
    QTest::mouseRelease(windowOf(h), Qt::RightButton, {}, inside);
    QCOMPARE(downs.entries.size(), 1);
    QCOMPARE(downs.entries.at(0).button, qint16(2));
    QCOMPARE(downs.entries.at(0).shift, qint16(1));
    QCOMPARE(downs.entries.at(0).y, 10.0f);
    QCOMPARE(clicks.size(), 0);
    QTest::mousePress(windowOf(h), Qt::MiddleButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::MiddleButton, {}, inside);
    QCOMPARE(clicks.size(), 0);
}

// Arguments go by reference; what a handler writes into them changes
// nothing in the button.
void tst_chameleonbutton_mouse::handlersMayChangeArguments()
{
    Hosted h = hosted();
    connect(h.button, &chameleonButton::MouseDown, this,
            [](qint16 &button, qint16 &, float &x, float &) {
                button = 2;
                x = -100;
            });
    connect(h.button, &chameleonButton::MouseUp, this,
            [](qint16 &button, qint16 &, float &, float &) { button = 2; });
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(!looksPressed(h.button));
    QCOMPARE(clicks.size(), 1);
}

QTEST_MAIN(tst_chameleonbutton_mouse)
#include "tst_chameleonbutton_mouse.moc"
