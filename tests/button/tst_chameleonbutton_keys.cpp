#include "HostedButton.h"
#include "button/chameleonButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

// The button and the keyboard: access keys, Space, the arrows, and the key
// events it raises.

namespace {

void sendKey(QWidget *target, QEvent::Type type, int key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    QKeyEvent event(type, key, modifiers, key == Qt::Key_Space ? QStringLiteral(" ") : text,
                    autoRepeat);
    QApplication::sendEvent(target, &event);
}

void typeKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    sendKey(target, QEvent::KeyPress, key, false, modifiers, text);
    sendKey(target, QEvent::KeyRelease, key, false, modifiers, text);
}

} // namespace

class tst_chameleonbutton_keys : public QObject
{
    Q_OBJECT
private slots:
    void altLetterClicks();
    void accessKeyAfterSecondaryPress();
    void sharedAccessKeyOnlyMovesFocus();
    void disabledGivesNoClick();
    void spaceClicksOnceDespiteAutoRepeat_data();
    void spaceClicksOnceDespiteAutoRepeat();
    void arrowsMoveFocus_data();
    void arrowsMoveFocus();
    void keyEventsCarryCodes();
};

void tst_chameleonbutton_keys::altLetterClicks()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    QSignalSpy copy(h.button, &chameleonButton::Click);
    QSignalSpy close(h.other, &chameleonButton::Click);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(copy.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(close.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_P, Qt::AltModifier);
    h.button->setCaption(QStringLiteral("&Paste"));
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(copy.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(copy.size(), 2);
}

void tst_chameleonbutton_keys::accessKeyAfterSecondaryPress()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mouseClick(windowOf(h), Qt::RightButton, {}, inside);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(clicks.size(), 0);
    h.button->setFocus();
    QTest::keyClick(h.button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(clicks.size(), 2);
}

void tst_chameleonbutton_keys::sharedAccessKeyOnlyMovesFocus()
{
    Hosted h = hosted(QStringLiteral("&Open")); // beside "Cl&ose": both take o
    QSignalSpy open(h.button, &chameleonButton::Click);
    QSignalSpy close(h.other, &chameleonButton::Click);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first == h.button || first == h.other);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QWidget *second = QApplication::focusWidget();
    QVERIFY(second == h.button || second == h.other);
    QVERIFY(second != first);
    QCOMPARE(open.size() + close.size(), 0);
    QTest::keyClick(second, Qt::Key_Space);
    QCOMPARE((second == h.button ? open : close).size(), 1);
    QCOMPARE((second == h.button ? close : open).size(), 0);
    h.other->setCaption(QStringLiteral("&Shut"));
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(open.size(), 1);
}

void tst_chameleonbutton_keys::disabledGivesNoClick()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    h.button->setFocus();
    h.button->setButtonEnabled(false);
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    sendKey(h.button, QEvent::KeyPress, Qt::Key_Space);
    sendKey(h.button, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.size(), 0);
    h.button->setButtonEnabled(true);
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
}

void tst_chameleonbutton_keys::spaceClicksOnceDespiteAutoRepeat_data()
{
    // What the held key sends after its first press: r a release and p a
    // press, both marked as repeated; P a press not marked.
    QTest::addColumn<QString>("repeats");
    QTest::newRow("releases and presses marked") << "rprprp";
    // XKB's detectable auto-repeat, which the program asks the X server for.
    QTest::newRow("presses alone, unmarked") << "PPP";
}

// One press look, KeyDown for every press, one Click on the real release.
void tst_chameleonbutton_keys::spaceClicksOnceDespiteAutoRepeat()
{
    QFETCH(QString, repeats);
    Hosted h = hosted();
    h.button->setFocus();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    int downs = 0;
    connect(h.button, &chameleonButton::KeyDown, this, [&](qint16 &, qint16 &) { ++downs; });
    sendKey(h.button, QEvent::KeyPress, Qt::Key_Space);
    QVERIFY(looksPressed(h.button));
    const qint64 pressed = h.button->picture().cacheKey();
    for (const QChar event : repeats) {
        const bool press = event.toLower() == QLatin1Char('p');
        sendKey(h.button, press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                event.isLower());
    }
    QCOMPARE(h.button->picture().cacheKey(), pressed);
    QCOMPARE(clicks.size(), 0);
    sendKey(h.button, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs, 1 + int(repeats.count(QLatin1Char('p'), Qt::CaseInsensitive)));
    QVERIFY(!looksPressed(h.button));
}

void tst_chameleonbutton_keys::arrowsMoveFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    QTest::newRow("Right") << int(Qt::Key_Right) << 39 << 2;
    QTest::newRow("Down") << int(Qt::Key_Down) << 40 << 2;
    QTest::newRow("Left") << int(Qt::Key_Left) << 37 << 0;
    QTest::newRow("Up") << int(Qt::Key_Up) << 38 << 0;
    QTest::newRow("Home does not move") << int(Qt::Key_Home) << 36 << 1;
}

// Focus moves only after KeyDown was raised and the key handled.
void tst_chameleonbutton_keys::arrowsMoveFocus()
{
    QFETCH(int, key);
    QFETCH(int, code);
    QFETCH(int, expected);
    QWidget host;
    QList<chameleonButton *> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << chameleonButton::Place(&host, QString::number(i), captionFont(),
                                          QRect(10 + 80 * i, 10, 73, 23));
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    buttons.at(1)->setFocus();
    QVERIFY(buttons.at(1)->hasFocus());
    QList<qint16> codes;
    bool focusStillHere = false;
    connect(buttons.at(1), &chameleonButton::KeyDown, this, [&](qint16 &keyCode, qint16 &) {
        codes << keyCode;
        focusStillHere = buttons.at(1)->hasFocus();
    });
    QTest::keyPress(buttons.at(1), static_cast<Qt::Key>(key));
    QVERIFY(focusStillHere);
    QVERIFY(buttons.at(1)->hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(codes, QList<qint16>{qint16(code)});
    QTRY_VERIFY(buttons.at(expected)->hasFocus());
}

void tst_chameleonbutton_keys::keyEventsCarryCodes()
{
    Hosted h = hosted();
    h.button->setFocus();
    QList<QPair<qint16, qint16>> downs, ups;
    QList<qint16> presses;
    connect(h.button, &chameleonButton::KeyDown, this,
            [&](qint16 &code, qint16 &shift) { downs << qMakePair(code, shift); });
    connect(h.button, &chameleonButton::KeyUp, this,
            [&](qint16 &code, qint16 &shift) { ups << qMakePair(code, shift); });
    connect(h.button, &chameleonButton::KeyPress, this, [&](qint16 &ascii) { presses << ascii; });
    typeKey(h.button, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    typeKey(h.button, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    typeKey(h.button, Qt::Key_F2, Qt::ControlModifier, QString());
    QCOMPARE(downs, (QList<QPair<qint16, qint16>>{{65, 1}, {65, 0}, {113, 2}}));
    QCOMPARE(ups, downs);
    QCOMPARE(presses, (QList<qint16>{65, 97}));
}

QTEST_MAIN(tst_chameleonbutton_keys)
#include "tst_chameleonbutton_keys.moc"
