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

Q_DECLARE_METATYPE(RulerLayout::Moment)

class tst_rulerlayout : public WindowTest
{
    Q_OBJECT
private slots:
    void controlPlaces_data();
    void controlPlaces();
    void windowSizeOfLength();
    void turnsKeepEachLength();
};

// The edge bars 100 twips thick (7 pixels), the bottom one 40 twips above
// the bottom edge right after a turn and flush after a resize; the caption
// buttons from the right edge, at W - 1045, W - 730 and W - 415 twips, 60
// down, past the left edge of a short ruler. Which controls each
// orientation shows, in the order of RulerLayout::Control.
void tst_rulerlayout::controlPlaces_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<RulerLayout::Moment>("moment");
    QTest::addColumn<QRect>("nearBar"); // Label1 or Label3
    QTest::addColumn<QRect>("farBar");  // Label2 or Label4
    QTest::addColumn<QList<int>>("captionLefts");
    QTest::addColumn<QString>("shown");
    using L = RulerLayout;
    const QString across = "xx.xx..xxxxx.x..xxxx";
    const QString upright = "x.x..xxxxxx.x.xx.xxx";
    QTest::newRow("horizontal, turned")
        << false << QSize(400, 84) << L::Turned << QRect(0, 0, 400, 7) << QRect(0, 75, 400, 7)
        << QList<int>{330, 351, 372} << across;
    QTest::newRow("horizontal, resized")
        << false << QSize(500, 84) << L::Resized << QRect(0, 0, 500, 7) << QRect(0, 77, 500, 7)
        << QList<int>{430, 451, 472} << across;
    QTest::newRow("shortest") << false << QSize(32, 84) << L::Resized << QRect(0, 0, 32, 7)
                              << QRect(0, 77, 32, 7) << QList<int>{-38, -17, 4} << across;
    QTest::newRow("longest") << false << QSize(1600, 84) << L::Resized << QRect(0, 0, 1600, 7)
                             << QRect(0, 77, 1600, 7) << QList<int>{1530, 1551, 1572} << across;
    QTest::newRow("vertical, turned, flush")
        << true << QSize(84, 400) << L::Turned << QRect(0, 0, 7, 400) << QRect(77, 0, 7, 400)
        << QList<int>{14, 35, 56} << upright;
    QTest::newRow("vertical, resized") << true << QSize(84, 32) << L::Resized << QRect(0, 0, 7, 32)
                                       << QRect(77, 0, 7, 32) << QList<int>{14, 35, 56} << upright;
}

void tst_rulerlayout::controlPlaces()
{
    QFETCH(bool, vertical);
    QFETCH(QSize, window);
    QFETCH(RulerLayout::Moment, moment);
    QFETCH(QRect, nearBar);
    QFETCH(QRect, farBar);
    QFETCH(QList<int>, captionLefts);
    QFETCH(QString, shown);
    const RulerLayout layout(vertical ? Orientation::Vertical : Orientation::Horizontal, window,
                             moment);
    QCOMPARE(layout.rect(vertical ? RulerLayout::Label3 : RulerLayout::Label1), nearBar);
    QCOMPARE(layout.rect(vertical ? RulerLayout::Label4 : RulerLayout::Label2), farBar);
    QList<int> lefts;
    for (RulerLayout::Control button :
         {RulerLayout::OnTopSwitch, RulerLayout::MinimizeButton, RulerLayout::CloseButton}) {
        QCOMPARE(layout.rect(button).size(), QSize(21, 21));
        QCOMPARE(layout.rect(button).top(), 4);
        lefts << layout.rect(button).left();
    }
    QCOMPARE(lefts, captionLefts);
    QString controls;
    for (int control = 0; control < RulerLayout::controlCount; ++control)
        controls += layout.isShown(RulerLayout::Control(control)) ? 'x' : '.';
    QCOMPARE(controls, shown);
    QCOMPARE(layout.rect(RulerLayout::Form), QRect(QPoint(), window));
}

void tst_rulerlayout::windowSizeOfLength()
{
    QCOMPARE(RulerLayout::windowSize(Orientation::Horizontal, 9000), QSize(600, 84));
    QCOMPARE(RulerLayout::windowSize(Orientation::Vertical, 3000), QSize(84, 200));
    QCOMPARE(RulerLayout::windowSize(Orientation::Vertical, 487), QSize(84, 32));
}

// Each orientation keeps its own length over any number of turns; the
// window takes the layout of each turn, and of each resize after it.
void tst_rulerlayout::turnsKeepEachLength()
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

QTEST_MAIN(tst_rulerlayout)
#include "tst_rulerlayout.moc"
