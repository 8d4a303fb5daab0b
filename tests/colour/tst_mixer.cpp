#include "WindowTest.h"
#include "button/chameleonButton.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopPeer.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

class tst_mixer : public WindowTest
{
    Q_OBJECT
private slots:
    void firstRunShowsBlack();
    void updateShowsTheMixedColour_data();
    void updateShowsTheMixedColour();
    void draggingUpdatesBeforeTheRelease();
    void barsStepLikeTheirKeys_data();
    void barsStepLikeTheirKeys();
    void padLeft_data();
    void padLeft();
    void creationRestoresEachStoredKey_data();
    void creationRestoresEachStoredKey();
    void unloadStoresTheColourAndCloseAlsoThePlace_data();
    void unloadStoresTheColourAndCloseAlsoThePlace();

private:
    QScrollBar *bar(int index) const;
    QString field(const char *name) const;
    void setColor(int red, int green, int blue);
};

QScrollBar *tst_mixer::bar(int index) const
{
    return named<QScrollBar>(OpenWindows::find<Mixer>(), QStringLiteral("HScroll%1").arg(index));
}

QString tst_mixer::field(const char *name) const
{
    return named<QLineEdit>(OpenWindows::find<Mixer>(), name)->text();
}

void tst_mixer::setColor(int red, int green, int blue)
{
    bar(1)->setValue(red);
    bar(2)->setValue(green);
    bar(3)->setValue(blue);
}

QColor swatchOf(const Mixer *mixer)
{
    return named<QFrame>(mixer, "Picture2")->palette().color(QPalette::Window);
}

void tst_mixer::firstRunShowsBlack()
{
    Mixer *mixer = OpenWindows::show<Mixer>();
    QCOMPARE(OpenWindows::show<Mixer>(), mixer);
    mixer->showMinimized();
    QCOMPARE(OpenWindows::show<Mixer>(), mixer);
    QVERIFY(!mixer->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(mixer));
    QCOMPARE(mixer->size(), QSize(387, 301));
    QVERIFY(mixer->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!mixer->showsOnTop());
    for (int index = 1; index <= 3; ++index) {
        QCOMPARE(bar(index)->value(), 0);
        QCOMPARE(bar(index)->minimum(), 0);
        QCOMPARE(bar(index)->maximum(), 255);
    }
    QCOMPARE(field("Text7"), QStringLiteral("0,0,0"));
    QCOMPARE(field("Text8"), QStringLiteral("#000000"));
    QCOMPARE(field("Text9"), QStringLiteral("0"));
    QCOMPARE(swatchOf(mixer), QColor(Qt::black));
}

void tst_mixer::updateShowsTheMixedColour_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("triple");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("decimal");

    // clang-format off
    QTest::newRow("black") << 0 << 0 << 0 << "0,0,0" << "#000000" << "0";
    QTest::newRow("pure red") << 255 << 0 << 0 << "255,0,0" << "#FF0000" << "255";
    QTest::newRow("two digits each") << 10 << 11 << 12 << "10,11,12" << "#0A0B0C" << "789258";
    QTest::newRow("white") << 255 << 255 << 255 << "255,255,255" << "#FFFFFF" << "16777215";
    QTest::newRow("orange") << 255 << 128 << 0 << "255,128,0" << "#FF8000" << "33023";
    QTest::newRow("blue only") << 0 << 0 << 1 << "0,0,1" << "#000001" << "65536";
    // clang-format on
}

void tst_mixer::updateShowsTheMixedColour()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, triple);
    QFETCH(QString, hex);
    QFETCH(QString, decimal);

    Mixer *mixer = OpenWindows::show<Mixer>();
    setColor(red, green, blue);
    QCOMPARE(field("Text7"), triple);
    QCOMPARE(field("Text8"), hex);
    QCOMPARE(field("Text9"), decimal);
    QCOMPARE(swatchOf(mixer), QColor(red, green, blue));
    // Copy puts the three lines, clearing the clipboard first.
    fakes->clipboard.text = QStringLiteral("left over");
    mixer->chameleonButton1_Click();
    QCOMPARE(fakes->clipboard.clears, 1);
    QCOMPARE(fakes->clipboard.text,
             QStringLiteral("RGB Value - %1\r\nDecimal Value - %2\r\nHex Value - %3")
                 .arg(triple, decimal, hex));

    // Whichever bar changes last, all three are read again.
    bar(2)->setValue(green == 7 ? 8 : 7);
    QCOMPARE(field("Text7"), QStringLiteral("%1,%2,%3").arg(red).arg(green == 7 ? 8 : 7).arg(blue));
}

void tst_mixer::draggingUpdatesBeforeTheRelease()
{
    Mixer *mixer = OpenWindows::show<Mixer>();
    QScrollBar *red = bar(1);
    red->setSliderDown(true);
    red->setSliderPosition(40);
    QCOMPARE(field("Text7"), QStringLiteral("40,0,0"));
    red->setSliderPosition(200);
    QCOMPARE(field("Text8"), QStringLiteral("#C80000"));
    QCOMPARE(swatchOf(mixer), QColor(200, 0, 0));
    red->setSliderDown(false);
    QCOMPARE(field("Text9"), QStringLiteral("200"));
}

void tst_mixer::barsStepLikeTheirKeys_data()
{
    QTest::addColumn<int>("key");      // 0: the wheel instead
    QTest::addColumn<QPoint>("wheel"); // one notch: up (0, 120), tilted left (120, 0)
    QTest::addColumn<int>("step");
    // As on any horizontal bar: Up and Page Up like Left; the wheel turned up
    // or tilted left like Up and Left.
    QTest::newRow("Right") << int(Qt::Key_Right) << QPoint() << 1;
    QTest::newRow("Down") << int(Qt::Key_Down) << QPoint() << 1;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << QPoint() << 1;
    QTest::newRow("Left") << int(Qt::Key_Left) << QPoint() << -1;
    QTest::newRow("Up") << int(Qt::Key_Up) << QPoint() << -1;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << QPoint() << -1;
    QTest::newRow("Home") << int(Qt::Key_Home) << QPoint() << -200;
    QTest::newRow("End") << int(Qt::Key_End) << QPoint() << 55;
    QTest::newRow("wheel up") << 0 << QPoint(0, 120) << -1;
    QTest::newRow("wheel down") << 0 << QPoint(0, -120) << 1;
    QTest::newRow("wheel tilted left") << 0 << QPoint(120, 0) << -1;
    QTest::newRow("wheel tilted right") << 0 << QPoint(-120, 0) << 1;
    QTest::newRow("half a notch of a fine wheel") << 0 << QPoint(0, 60) << 0;
}

void tst_mixer::barsStepLikeTheirKeys()
{
    QFETCH(int, key);
    QFETCH(QPoint, wheel);
    QFETCH(int, step);

    OpenWindows::show<Mixer>();
    QScrollBar *green = bar(2);
    green->setValue(200);
    keyOrWheel(green, key, wheel);
    QCOMPARE(green->value(), 200 + step);
    QCOMPARE(field("Text7"), QStringLiteral("0,%1,0").arg(200 + step));
}

void tst_mixer::padLeft_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<QString>("result");

    // clang-format off
    QTest::newRow("one digit") << "A" << 2 << "0" << "0A";
    QTest::newRow("already wide") << "FF" << 2 << "0" << "FF";
    QTest::newRow("wider") << "ABC" << 2 << "0" << "ABC";
    QTest::newRow("empty value") << "" << 2 << "0" << "00";
    QTest::newRow("long fill may overshoot") << "7" << 4 << "ab" << "abab7";
    QTest::newRow("empty fill") << "7" << 3 << "" << "7";
    QTest::newRow("no width") << "7" << 0 << "0" << "7";
    // clang-format on
}

void tst_mixer::padLeft()
{
    QFETCH(QString, value);
    QFETCH(int, width);
    QFETCH(QString, fill);
    QFETCH(QString, result);
    QCOMPARE(Mixer::PadLeft(value, width, fill), result);
}

void tst_mixer::creationRestoresEachStoredKey_data()
{
    QTest::addColumn<QStringList>("stored"); // M_L, M_T, H1, H2, H3; null when absent
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("triple");

    QTest::newRow("all") << QStringList{"1500", "3000", "255", "128", "0"} << QPoint(100, 200)
                         << "255,128,0";
    QTest::newRow("red out of range")
        << QStringList{"1500", "3000", "300", "128", "7"} << QPoint(100, 200) << "0,128,7";
    QTest::newRow("red not a number")
        << QStringList{"1500", "3000", "abc", "5", "6"} << QPoint(100, 200) << "0,5,6";
    QTest::newRow("negative and fractions")
        << QStringList{"1500", "3000", "-1", "12.4", "254.5"} << QPoint(100, 200) << "0,12,254";
    QTest::newRow("beyond 16 bits")
        << QStringList{"1500", "3000", "70000", "1e9", " 9 "} << QPoint(100, 200) << "0,0,9";
    QTest::newRow("absent colour")
        << QStringList{"-750", "0", {}, {}, {}} << QPoint(-50, 0) << "0,0,0";
}

void tst_mixer::creationRestoresEachStoredKey()
{
    QFETCH(QStringList, stored);
    QFETCH(QPoint, position);
    QFETCH(QString, triple);

    const char *keys[] = {"M_L", "M_T", "H1", "H2", "H3"};
    for (int i = 0; i < 5; ++i) {
        if (!stored.at(i).isNull())
            fakes->settings.values.insert(QStringLiteral("Presets/") + QLatin1String(keys[i]),
                                          stored.at(i));
    }
    Mixer *mixer = OpenWindows::show<Mixer>();
    QCOMPARE(mixer->pos(), position);
    QCOMPARE(field("Text7"), triple);
    QCOMPARE(
        QStringLiteral("%1,%2,%3").arg(bar(1)->value()).arg(bar(2)->value()).arg(bar(3)->value()),
        triple);
    QVERIFY(fakes->settings.writes.isEmpty());
}

void tst_mixer::unloadStoresTheColourAndCloseAlsoThePlace_data()
{
    QTest::addColumn<int>("path");
    QTest::addColumn<QStringList>("writes");

    const QStringList colour{"H1=10", "H2=20", "H3=30"};
    const QStringList placeAndColour = QStringList{"M_L=1500", "M_T=3000"} + colour;
    QTest::newRow("Close button") << 0 << placeAndColour;
    QTest::newRow("close control") << 1 << placeAndColour;
    QTest::newRow("ruler unloads it") << 2 << colour;
    QTest::newRow("window manager closes it") << 3 << colour;
}

void tst_mixer::unloadStoresTheColourAndCloseAlsoThePlace()
{
    QFETCH(int, path);
    QFETCH(QStringList, writes);

    QPointer<Mixer> mixer = OpenWindows::show<Mixer>();
    mixer->move(100, 200);
    setColor(10, 20, 30);
    switch (path) {
    case 0:
        mixer->chameleonButton2_Click();
        break;
    case 1:
        pressCaptionButton(mixer, QStringLiteral("close_normal"));
        break;
    case 2:
        OpenWindows::unloadOthers(OpenWindows::Ruler);
        break;
    default:
        mixer->close();
    }
    QCOMPARE(OpenWindows::find<Mixer>(), nullptr);
    QCOMPARE(fakes->settings.writes, writes);
    settle();
    QVERIFY(mixer.isNull());

    // Reopened, it shows the colour again; the place only when it was stored.
    Mixer *reopened = OpenWindows::show<Mixer>();
    QCOMPARE(field("Text7"), QStringLiteral("10,20,30"));
    if (writes.size() == 5)
        QCOMPARE(reopened->pos(), QPoint(100, 200));
}

QTEST_MAIN(tst_mixer)
#include "tst_mixer.moc"
