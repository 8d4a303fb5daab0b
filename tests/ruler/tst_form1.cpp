#include "Form1Checks.h"
#include "WindowTest.h"
#include "app/WindowMakers.h"
#include "chrome/OpenWindows.h"
#include "ruler/Form1.h"
#include "ruler/ScaleUnit.h"

#include <QLabel>
#include <QTest>

// The ruler window's start from the stored presets, its exits and what they
// store, and its commands that move it or take it out of the top band.

class tst_form1 : public WindowTest
{
    Q_OBJECT
private slots:
    void firstStart();
    void storedTicks_data();
    void storedTicks();
    void storedPosition_data();
    void storedPosition();
    void exits_data();
    void exits();
    void platformCloseSavesWithoutEnding();
    void copyBeforeAnything();
    void nudgeMovesByTenTwips();
    void takingOffTopLeavesBandOnce();
};

void tst_form1::firstStart()
{
    Form1 ruler;
    ruler.show();
    QCOMPARE(ruler.frameGeometry().size(), QSize(400, 84));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(ruler.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(fakes->band.isTopMost(&ruler));
    QVERIFY(ruler.showsOnTop());
    QCOMPARE(ticks(ruler), QStringLiteral("x......"));
    QVERIFY(ruler.Text1().isEmpty());
    QVERIFY(ruler.Text2().isEmpty());
    QVERIFY(ruler.Text5().isEmpty());
    QCOMPARE(ruler.Text6(), QStringLiteral("6000"));
    QCOMPARE(ruler.Text7(), QStringLiteral("6000"));
    QVERIFY(ruler.isHorizontal());
    QCOMPARE(ruler.windowTitle(), QStringLiteral(" Ombrix"));
    // Nothing stored: no position goes to the window manager, which places it.
    QVERIFY(!ruler.testAttribute(Qt::WA_Moved));
}

void tst_form1::storedTicks_data()
{
    QTest::addColumn<QStringList>("stored"); // one text per unit key; "-" leaves it absent
    QTest::addColumn<QString>("expected");
    QTest::newRow("points only") << QStringList{"False", "True", "-", "-", "-", "-", "-"}
                                 << ".x.....";
    QTest::newRow("two units") << QStringList{"True", "True", "-", "-", "-", "-", "-"} << "xx.....";
    QTest::newRow("all false") << QStringList(7, "False") << ".......";
    QTest::newRow("any case and numbers")
        << QStringList{"false", "TRUE", "0", "-1", "2.5", "-0", "tRuE"} << ".x.xx.x";
    QTest::newRow("garbage keeps the unticked design state")
        << QStringList{"yes", "nan", "inf", "", "1e400", "\x01\x02", "True,False"} << ".......";
    QTest::newRow("1e40 is a number")
        << QStringList{"False", "1e40", "-", "-", "-", "-", "-"} << ".x.....";
}

void tst_form1::storedTicks()
{
    QFETCH(QStringList, stored);
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        if (stored[unit] != QLatin1String("-"))
            fakes->settings.values.insert("Presets/" + unitKeys[unit], stored[unit]);
    }
    QFETCH(QString, expected);
    Form1 ruler;
    QCOMPARE(ticks(ruler), expected);
}

void tst_form1::storedPosition_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("expected"); // -1000 means "where the system placed it"
    QTest::newRow("both") << "1500"
                          << "3000" << QPoint(100, 200);
    QTest::newRow("negative") << "-45"
                              << "-1500.5" << QPoint(-3, -100);
    QTest::newRow("off screen kept") << "150000"
                                     << "0" << QPoint(10000, 0);
    QTest::newRow("not a number") << "abc"
                                  << "300" << QPoint(-1000, 20);
    QTest::newRow("beyond X coordinates") << "1e40"
                                          << "nan" << QPoint(-1000, -1000);
    QTest::newRow("empty") << ""
                           << "15" << QPoint(-1000, 1);
}

void tst_form1::storedPosition()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, expected);
    fakes->settings.values.insert("Presets/X_L", left);
    fakes->settings.values.insert("Presets/X_T", top);
    Form1 ruler;
    ruler.show();
    // A lone edge is applied to the place the system gave the shown window.
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    fakes->settings.values.clear();
    Form1 unplaced;
    unplaced.show();
    QVERIFY(QTest::qWaitForWindowExposed(&unplaced));
    const QPoint placed = unplaced.pos();
    if (expected.x() == -1000)
        expected.setX(placed.x());
    if (expected.y() == -1000)
        expected.setY(placed.y());
    QCOMPARE(ruler.pos(), expected);
}

void tst_form1::exits_data()
{
    QTest::addColumn<int>("exit");
    QTest::addColumn<bool>("saves");
    const char *names[] = {"mnuClose",         "Image6_MouseUp",  "Image1_DblClick",
                           "Image9_DblClick",  "Form_DblClick",   "Image2_DblClick",
                           "Image10_DblClick", "Label1_DblClick", "Label3_DblClick",
                           "Label4_DblClick",  "Label2_Click"};
    for (int exit = 0; exit < 11; ++exit)
        QTest::newRow(names[exit]) << exit << (exit < 4);
}

void tst_form1::exits()
{
    QFETCH(int, exit);
    QFETCH(bool, saves);
    Form1 ruler;
    ruler.move(150, 300);
    ruler.mnuInch_Click();
    void (Form1::*handlers[])() = {
        &Form1::mnuClose_Click,   &Form1::Image6_MouseUp,  &Form1::Image1_DblClick,
        &Form1::Image9_DblClick,  &Form1::Form_DblClick,   &Form1::Image2_DblClick,
        &Form1::Image10_DblClick, &Form1::Label1_DblClick, &Form1::Label3_DblClick,
        &Form1::Label4_DblClick,  &Form1::Label2_Click};
    (ruler.*handlers[exit])();
    QVERIFY(ended);
    QCOMPARE(fakes->clipboard.outlived, 1); // a copy made before stays on the clipboard
    if (saves) {
        QCOMPARE(fakes->settings.writes, QStringList({"Pix=False", "Points=False", "Charac=False",
                                                      "Inch=True", "Milli=False", "Centi=False",
                                                      "Twips=False", "X_L=2250", "X_T=4500"}));
        QCOMPARE(fakes->settings.saves.size(), 1); // all reach the store in one step
    } else {
        QVERIFY(fakes->settings.writes.isEmpty());
    }
}

// ... and unloads every other open window, each with its own unloading: the
// Mixer stores its colour.
void tst_form1::platformCloseSavesWithoutEnding()
{
    WindowMakers::install();
    Form1 ruler;
    ruler.show();
    ruler.mnuSpy_Click();
    ruler.mnuMix_Click();
    ruler.mnuAbout_Click();
    ruler.close();
    QVERIFY(!ended);
    QCOMPARE(fakes->settings.writes.size(), 12);
    QCOMPARE(fakes->settings.writes.first(), QStringLiteral("Pix=True"));
    QCOMPARE(fakes->settings.writes.mid(9), QStringList({"H1=0", "H2=0", "H3=0"}));
    for (auto role : {OpenWindows::Spy, OpenWindows::Mixer, OpenWindows::About})
        QCOMPARE(OpenWindows::find(role), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_form1::copyBeforeAnything()
{
    Form1 ruler;
    ruler.mnuCopy2_Click();
    QCOMPARE(fakes->clipboard.clears, 1);
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:   \r\nHeight:   "));
}

void tst_form1::nudgeMovesByTenTwips()
{
    Form1 ruler;
    ruler.move(100, 100);
    ruler.chameleonButton1_Click();
    QCOMPARE(ruler.pos(), QPoint(99, 100));
    ruler.chameleonButton4_Click();
    ruler.chameleonButton4_Click();
    QCOMPARE(ruler.pos(), QPoint(101, 100));
    ruler.chameleonButton2_Click();
    QCOMPARE(ruler.pos(), QPoint(101, 99));
    ruler.chameleonButton3_Click();
    QCOMPARE(ruler.pos(), QPoint(101, 100));

    // Moves the window manager refuses leave the ruler where it stands, and
    // the next nudge and the stored place start from there.
    fakes->windowPlace.kept = QPoint(101, 100);
    ruler.chameleonButton4_Click();
    ruler.chameleonButton4_Click();
    ruler.chameleonButton1_Click();
    QCOMPARE(ruler.pos(), QPoint(100, 100));
    ruler.mnuClose_Click();
    QCOMPARE(fakes->settings.writes.mid(7), QStringList({"X_L=1515", "X_T=1500"}));
}

void tst_form1::takingOffTopLeavesBandOnce()
{
    Form1 ruler;
    ruler.Top_Y_Click();
    QVERIFY(!fakes->band.isTopMost(&ruler));
    QVERIFY(!ruler.showsOnTop());
    QVERIFY(!named<QLabel>(&ruler, "Top_N")->isHidden());
    ruler.Command1_Click();
    QVERIFY(fakes->band.isTopMost(&ruler));
    QVERIFY(ruler.showsOnTop());
}

QTEST_MAIN(tst_form1)
#include "tst_form1.moc"
