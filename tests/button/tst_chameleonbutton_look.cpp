#include "HostedButton.h"
#include "button/ButtonPainter.h"
#include "button/chameleonButton.h"

#include <QApplication>
#include <QTest>

// How the button looks in its window: its corners, its colours, its focus
// and default marks, and when it draws itself again.

class tst_chameleonbutton_look : public QObject
{
    Q_OBJECT
private slots:
    void cornersShowTheHost();
    void disabledLook();
    void systemColoursReadOnlyWhenAsked();
    void redrawSkipsUnchangedState();
    void repaintShowsLastPicture();
    void focusShowsSideLines();
    void defaultFlagRedraws();
};

void tst_chameleonbutton_look::cornersShowTheHost()
{
    Hosted h = hosted();
    h.host->setStyleSheet(QString());
    QPalette red = h.host->palette();
    red.setColor(QPalette::Window, Qt::red);
    h.host->setPalette(red);
    h.host->setAutoFillBackground(true);
    const QImage shot = h.host->grab().toImage();
    QCOMPARE(QColor(shot.pixel(10, 10)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(82, 32)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(12, 10)), QColor(0, 60, 115));
    QCOMPARE(QColor(shot.pixel(11, 11)), QColor(16, 77, 123));
}

void tst_chameleonbutton_look::disabledLook()
{
    Hosted h = hosted();
    h.button->setFocus();
    h.button->setButtonEnabled(false);
    QVERIFY(!h.button->isEnabled());
    ButtonLook look;
    look.ButtonType = 3;
    look.Caption = QStringLiteral("&Copy");
    look.Enabled = false;
    look.Palette = ButtonPalette::standard();
    look.Font = h.button->Font();
    look.setSize(73, 23);
    QImage expected;
    ButtonPainter::paint(expected, look, ButtonState::Up);
    QCOMPARE(h.button->picture(), expected);
}

void tst_chameleonbutton_look::systemColoursReadOnlyWhenAsked()
{
    const QPalette original = QGuiApplication::palette();
    QPalette first = original;
    first.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(first);
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto face = [&] { return QColor(button.picture().pixel(20, 10)); };
    QCOMPARE(face(), QColor(10, 20, 30));
    QPalette second = original;
    second.setColor(QPalette::Button, QColor(40, 50, 60));
    QApplication::setPalette(second);
    button.setButtonType(2);
    QCOMPARE(face(), QColor(10, 20, 30));
    button.setForceStandardCol(true);
    QCOMPARE(face(), QColor(192, 192, 192));
    button.setForceStandardCol(false);
    QCOMPARE(face(), QColor(40, 50, 60));
    QApplication::setPalette(original);
}

void tst_chameleonbutton_look::redrawSkipsUnchangedState()
{
    Hosted h = hosted();
    const qint64 first = h.button->picture().cacheKey();
    h.button->Redraw(ButtonState::Up, false);
    QCOMPARE(h.button->picture().cacheKey(), first);
    h.button->Redraw(ButtonState::Up, true);
    const qint64 forced = h.button->picture().cacheKey();
    QVERIFY(forced != first);
    h.button->Redraw(ButtonState::Pressed, false);
    QVERIFY(h.button->picture().cacheKey() != forced);
    QVERIFY(looksPressed(h.button));
}

void tst_chameleonbutton_look::repaintShowsLastPicture()
{
    Hosted h = hosted();
    const qint64 key = h.button->picture().cacheKey();
    QWidget cover(h.host.get());
    cover.setAutoFillBackground(true);
    cover.setGeometry(0, 0, 300, 200);
    cover.show();
    QCoreApplication::processEvents();
    cover.hide();
    h.button->repaint();
    const QImage shot = h.button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(h.button->picture().cacheKey(), key);
    for (const QPoint &p : {QPoint(2, 10), QPoint(36, 3), QPoint(70, 19), QPoint(36, 11)})
        QCOMPARE(shot.pixel(p), h.button->picture().pixel(p));
}

void tst_chameleonbutton_look::focusShowsSideLines()
{
    Hosted h = hosted();
    h.other->setFocus();
    QCOMPARE(QColor(h.button->picture().pixel(2, 10)), QColor(h.button->picture().pixel(3, 10)));
    h.button->setFocus();
    QCOMPARE(QColor(h.button->picture().pixel(2, 10)), QColor(Qt::white));
    h.other->setFocus();
    QVERIFY(QColor(h.button->picture().pixel(2, 10)) != QColor(Qt::white));
}

void tst_chameleonbutton_look::defaultFlagRedraws()
{
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QColor darkShadow =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Shadow));
    const QColor highlight =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Light));
    QCOMPARE(QColor(button.picture().pixel(0, 0)), highlight);
    button.setDisplayAsDefault(true);
    QCOMPARE(QColor(button.picture().pixel(0, 0)), darkShadow);
    button.setDisplayAsDefault(false);
    QCOMPARE(QColor(button.picture().pixel(0, 0)), highlight);
}

QTEST_MAIN(tst_chameleonbutton_look)
#include "tst_chameleonbutton_look.moc"
