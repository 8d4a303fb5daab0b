#include "Form1Checks.h"
#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/Form1.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerSurface.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTest>

// Where the ruler's controls stand, for either orientation and any size,
// and the window taking those places as it turns and changes its length.

Q_DECLARE_METATYPE(RulerLayout::Control)
Q_DECLARE_METATYPE(RulerLayout::Moment)

class TestRulerLayout : public WindowTest
{
    Q_OBJECT
private slots:
    void controlPlaces_data();
    void controlPlaces();
    void windowSizeOfLength();
    void turnsKeepEachLength();
};

void TestRulerLayout::controlPlaces_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<RulerLayout::Moment>("moment");
    QTest::addColumn<RulerLayout::Control>("control");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("shown");
    using L = RulerLayout;
    const QSize across(400, 84);
    const QSize upright(84, 400);
    // The edge bars: 100 twips thick (7 pixels), the bottom one 40 twips
    // above the bottom edge right after a turn, flush after a resize.
    QTest::newRow("bottom bar after a turn")
        << false << across << L::Turned << L::Label2 << QRect(0, 75, 400, 7) << true;
    QTest::newRow("bottom bar after a resize")
        << false << QSize(500, 84) << L::Resized << L::Label2 << QRect(0, 77, 500, 7) << true;
    QTest::newRow("top bar") << false << QSize(500, 84) << L::Resized << L::Label1
                             << QRect(0, 0, 500, 7) << true;
    QTest::newRow("left bar, horizontal")
        << false << across << L::Resized << L::Label3 << QRect(0, 0, 7, 84) << false;
    QTest::newRow("right bar, horizontal")
        << false << across << L::Turned << L::Label4 << QRect(393, 0, 7, 84) << false;
    QTest::newRow("left bar") << true << upright << L::Turned << L::Label3 << QRect(0, 0, 7, 400)
                              << true;
    QTest::newRow("right bar after a turn, flush")
        << true << upright << L::Turned << L::Label4 << QRect(77, 0, 7, 400) << true;
    QTest::newRow("right bar after a resize")
        << true << QSize(84, 32) << L::Resized << L::Label4 << QRect(77, 0, 7, 32) << true;
    QTest::newRow("bottom bar, vertical")
        << true << upright << L::Resized << L::Label2 << QRect(0, 393, 84, 7) << false;
    QTest::newRow("top bar, vertical")
        << true << upright << L::Turned << L::Label1 << QRect(0, 0, 84, 7) << false;
    // The faces, the title images, the sliders and the arrows: where the
    // design puts them, shown in their own orientation.
    QTest::newRow("face") << false << across << L::Turned << L::Image9 << QRect(0, 7, 1600, 70)
                          << true;
    QTest::newRow("face, vertical")
        << true << upright << L::Turned << L::Image9 << QRect(0, 7, 1600, 70) << false;
    QTest::newRow("upright face") << true << upright << L::Turned << L::Image10
                                  << QRect(7, 0, 70, 1200) << true;
    QTest::newRow("upright face, horizontal")
        << false << across << L::Resized << L::Image10 << QRect(7, 0, 70, 1200) << false;
    QTest::newRow("title image, vertical")
        << true << upright << L::Turned << L::Image1 << QRect(150, 12, 98, 34) << true;
    QTest::newRow("upright title image, horizontal")
        << false << across << L::Turned << L::Image2 << QRect(40, 160, 34, 98) << true;
    QTest::newRow("readout") << true << upright << L::Resized << L::Text2 << QRect(41, 25, 33, 19)
                             << true;
    QTest::newRow("slider") << false << across << L::Turned << L::Slider1 << QRect(50, 47, 299, 25)
                            << true;
    QTest::newRow("slider, vertical")
        << true << upright << L::Turned << L::Slider1 << QRect(50, 47, 299, 25) << false;
    QTest::newRow("upright slider")
        << true << upright << L::Turned << L::Slider2 << QRect(13, 56, 25, 307) << true;
    QTest::newRow("upright slider, horizontal")
        << false << across << L::Turned << L::Slider2 << QRect(13, 56, 25, 307) << false;
    QTest::newRow("move left") << false << across << L::Turned << L::chameleonButton1
                               << QRect(8, 50, 18, 18) << true;
    QTest::newRow("move left, vertical")
        << true << upright << L::Turned << L::chameleonButton1 << QRect(8, 50, 18, 18) << false;
    QTest::newRow("move up") << true << upright << L::Turned << L::chameleonButton2
                             << QRect(48, 50, 18, 18) << true;
    QTest::newRow("move down, horizontal")
        << false << across << L::Turned << L::chameleonButton3 << QRect(48, 68, 18, 18) << false;
    QTest::newRow("move right") << false << across << L::Turned << L::chameleonButton4
                                << QRect(26, 50, 18, 18) << true;
    // The caption buttons from the right edge: W - 415, W - 730 and
    // W - 1045 twips, 60 down; past the left edge of a short ruler.
    QTest::newRow("close") << false << across << L::Resized << L::CloseButton
                           << QRect(372, 4, 21, 21) << true;
    QTest::newRow("minimise") << false << across << L::Resized << L::MinimizeButton
                              << QRect(351, 4, 21, 21) << true;
    QTest::newRow("on-top switch")
        << false << across << L::Resized << L::OnTopSwitch << QRect(330, 4, 21, 21) << true;
    QTest::newRow("close, shortest")
        << false << QSize(32, 84) << L::Resized << L::CloseButton << QRect(4, 4, 21, 21) << true;
    QTest::newRow("minimise, shortest") << false << QSize(32, 84) << L::Resized << L::MinimizeButton
                                        << QRect(-17, 4, 21, 21) << true;
    QTest::newRow("on-top switch, shortest")
        << false << QSize(32, 84) << L::Resized << L::OnTopSwitch << QRect(-38, 4, 21, 21) << true;
    QTest::newRow("close, longest") << false << QSize(1600, 84) << L::Resized << L::CloseButton
                                    << QRect(1572, 4, 21, 21) << true;
    QTest::newRow("on-top switch, vertical")
        << true << upright << L::Resized << L::OnTopSwitch << QRect(14, 4, 21, 21) << true;
    QTest::newRow("background") << true << upright << L::Turned << L::Form << QRect(0, 0, 84, 400)
                                << true;
}

void TestRulerLayout::controlPlaces()
{
    QFETCH(bool, vertical);
    QFETCH(QSize, window);
    QFETCH(RulerLayout::Moment, moment);
    QFETCH(RulerLayout::Control, control);
    QFETCH(QRect, rect);
    QFETCH(bool, shown);
    const RulerLayout layout(vertical ? Orientation::Vertical : Orientation::Horizontal, window,
                             moment);
    QCOMPARE(layout.rect(control), rect);
    QCOMPARE(layout.isShown(control), shown);
}

void TestRulerLayout::windowSizeOfLength()
{
    QCOMPARE(RulerLayout::windowSize(Orientation::Horizontal, 9000), QSize(600, 84));
    QCOMPARE(RulerLayout::windowSize(Orientation::Vertical, 3000), QSize(84, 200));
    QCOMPARE(RulerLayout::windowSize(Orientation::Vertical, 487), QSize(84, 32));
}

// Each orientation keeps its own length over any number of turns; the
// window takes the layout of each turn, and of each resize after it.
void TestRulerLayout::turnsKeepEachLength()
{
    Form1 ruler;
    ruler.show();
    const auto *face = ruler.findChild<RulerSurface *>();
    auto *slider1 = named<QSlider>(&ruler, "Slider1");
    auto *slider2 = named<QSlider>(&ruler, "Slider2");
    QCOMPARE(face->place(RulerLayout::Label2).y(), 77); // showing it lays it out
    slider1->setValue(9000);
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 400));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(!ruler.isHorizontal());
    QVERIFY(ruler.menu()->mnuHoriz->isVisible());
    QVERIFY(!ruler.menu()->mnuVertical->isVisible());
    QVERIFY(slider2->isVisible() && !slider1->isVisible());
    QVERIFY(named<QWidget>(&ruler, "chameleonButton2")->isVisible());
    QVERIFY(!named<QWidget>(&ruler, "chameleonButton1")->isVisible());
    QVERIFY(face->isShown(RulerLayout::Image10) && !face->isShown(RulerLayout::Image9));
    QCOMPARE(face->place(RulerLayout::Label4), QRect(77, 0, 7, 400));
    QCOMPARE(face->text(RulerLayout::Label4), QStringLiteral("Label4"));
    slider2->setValue(3000);
    ruler.mnuHoriz_Click();
    QCOMPARE(ruler.size(), QSize(600, 84));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(ruler.menu()->mnuVertical->isVisible());
    QCOMPARE(face->place(RulerLayout::Label2).y(), 75);
    slider1->setValue(480);
    ruler.Timer1_Timer();
    QCOMPARE(face->place(RulerLayout::Label2), QRect(0, 77, 32, 7));
    QCOMPARE(named<QLabel>(&ruler, "Image3")->x(), 4);
    QCOMPARE(named<QLabel>(&ruler, "Image6")->x(), 4);
    QCOMPARE(named<QLabel>(&ruler, "Top_N")->pos(), QPoint(-38, 4));
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 200));
}

QTEST_MAIN(TestRulerLayout)
#include "tst_rulerlayout.moc"
