#include "FakeServices.h"
#include "chrome/CaptionButton.h"
#include "platform/ProgramEnd.h"
#include "ruler/ContextMenu.h"
#include "ruler/Form1.h"
#include "ruler/ScaleUnit.h"
#include "window/SliderThumb.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

const QStringList unitKeys = {"Pix", "Points", "Charac", "Inch", "Milli", "Centi", "Twips"};

QString ticks(const Form1 &ruler)
{
    QString result;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        result += ruler.isTicked(unit) ? QLatin1Char('x') : QLatin1Char('.');
    return result;
}

// The size hints that tiling window managers float a window by: smallest and
// largest sizes equal to the window's own.
bool fixedAtItsSize(const QWidget &window)
{
    return window.minimumSize() == window.size() && window.maximumSize() == window.size();
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStart();
    void storedTicks_data();
    void storedTicks();
    void storedPosition_data();
    void storedPosition();
    void exits_data();
    void exits();
    void platformCloseSavesWithoutEnding();
    void copyBeforeAnything();
    void sliderTickFollowsInTickedUnit();
    void sliderKeysAndWheel_data();
    void sliderKeysAndWheel();
    void sliderPressFollowsUntilRelease_data();
    void sliderPressFollowsUntilRelease();
    void thumbFollowsThePointersTravelWhenTheWindowMoves_data();
    void thumbFollowsThePointersTravelWhenTheWindowMoves();
    void unitCommands_data();
    void unitCommands();
    void refreshUnitOrder();
    void noUnitTickedShowsTwips();
    void verticalLengthShownOnceChanged();
    void menuCaptionsOnTimer();
    void clearEmptiesReadouts();
    void orientationKeepsEachLength();
    void edgeBarPlacement();
    void captionPicturesFollowRightEdge();
    void nudgeMovesByTenTwips();
    void leftDragKeepsPressPointUnderPointer_data();
    void leftDragKeepsPressPointUnderPointer();
    void takingOffTopLeavesBandOnce();
    void rightPressesOpenTheMenu_data();
    void rightPressesOpenTheMenu();

private:
    ScopedFakeServices *fakes = nullptr;
    bool ended = false;
};

void TestForm1::init()
{
    fakes = new ScopedFakeServices;
    ended = false;
    setProgramEnd([this] { ended = true; });
    QLocale::setDefault(QLocale::c());
}

void TestForm1::cleanup()
{
    delete fakes;
}

void TestForm1::firstStart()
{
    Form1 ruler;
    ruler.show();
    QCOMPARE(ruler.frameGeometry().size(), QSize(400, 84));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(ruler.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(fakes->band.IsTopMost(&ruler));
    QVERIFY(ruler.ShowsOnTop());
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

void TestForm1::storedTicks_data()
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

void TestForm1::storedTicks()
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

void TestForm1::storedPosition_data()
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

void TestForm1::storedPosition()
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

void TestForm1::exits_data()
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

void TestForm1::exits()
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
    } else {
        QVERIFY(fakes->settings.writes.isEmpty());
    }
}

void TestForm1::platformCloseSavesWithoutEnding()
{
    Form1 ruler;
    ruler.show();
    ruler.close();
    QVERIFY(!ended);
    QCOMPARE(fakes->settings.writes.size(), 9);
    QCOMPARE(fakes->settings.writes.first(), QStringLiteral("Pix=True"));
}

void TestForm1::copyBeforeAnything()
{
    Form1 ruler;
    ruler.mnuCopy2_Click();
    QCOMPARE(fakes->clipboard.clears, 1);
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:   \r\nHeight:   "));
}

void TestForm1::sliderTickFollowsInTickedUnit()
{
    Form1 ruler;
    ruler.show();
    auto *slider = ruler.findChild<QSlider *>("Slider1");
    slider->setValue(4520); // between two pixels: the window keeps whole pixels
    ruler.Timer1_Timer();
    QCOMPARE(ruler.width(), 301);
    QCOMPARE(ruler.Text1(), QStringLiteral("301"));
    QCOMPARE(ruler.Text2(), QString());
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("301 Pixels"));
    QVERIFY(slider->toolTip().isEmpty()); // no hover text once let go
    ruler.Slider1_MouseUp();
    QTRY_VERIFY(!QToolTip::isVisible());
    ruler.mnuCopy_Click();
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:  301 Pixels\r\nHeight:   Pixels"));
    slider->setValue(24000);
    ruler.Timer1_Timer();
    QCOMPARE(ruler.width(), 1600);
    QVERIFY(fixedAtItsSize(ruler));
    QCOMPARE(ruler.Text1(), QStringLiteral("1600"));
}

void TestForm1::sliderKeysAndWheel_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");      // 0: the wheel turned one notch
    QTest::addColumn<QPoint>("wheel"); // up (0, 120), tilted left (120, 0)
    QTest::addColumn<int>("step");
    // The upright slider has its minimum at the top: Up moves its thumb up.
    QTest::newRow("vertical, Up") << "Slider2" << int(Qt::Key_Up) << QPoint() << -1;
    QTest::newRow("vertical, Page Up") << "Slider2" << int(Qt::Key_PageUp) << QPoint() << -2;
    QTest::newRow("vertical, Down") << "Slider2" << int(Qt::Key_Down) << QPoint() << 1;
    QTest::newRow("vertical, Page Down") << "Slider2" << int(Qt::Key_PageDown) << QPoint() << 2;
    QTest::newRow("vertical, Left") << "Slider2" << int(Qt::Key_Left) << QPoint() << -1;
    QTest::newRow("vertical, Right") << "Slider2" << int(Qt::Key_Right) << QPoint() << 1;
    QTest::newRow("vertical, wheel up") << "Slider2" << 0 << QPoint(0, 120) << -2;
    QTest::newRow("horizontal, Up") << "Slider1" << int(Qt::Key_Up) << QPoint() << -1;
    QTest::newRow("horizontal, Page Down") << "Slider1" << int(Qt::Key_PageDown) << QPoint() << 2;
    QTest::newRow("horizontal, Right") << "Slider1" << int(Qt::Key_Right) << QPoint() << 1;
    QTest::newRow("horizontal, wheel up") << "Slider1" << 0 << QPoint(0, 120) << -2;
    QTest::newRow("horizontal, wheel down") << "Slider1" << 0 << QPoint(0, -120) << 2;
    QTest::newRow("horizontal, wheel tilted left") << "Slider1" << 0 << QPoint(120, 0) << -2;
    QTest::newRow("vertical, wheel tilted right") << "Slider2" << 0 << QPoint(-120, 0) << 2;
}

void TestForm1::sliderKeysAndWheel()
{
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(QPoint, wheel);
    QFETCH(int, step);
    Form1 ruler;
    ruler.show();
    if (slider == QLatin1String("Slider2"))
        ruler.mnuVertical_Click();
    auto *control = ruler.findChild<QSlider *>(slider);
    if (key) {
        QTest::keyClick(control, Qt::Key(key));
    } else {
        const QPointF middle = control->rect().center();
        QWheelEvent notch(middle, control->mapToGlobal(middle), {}, wheel, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &notch);
    }
    QCOMPARE(control->value(), 6000 + step);
}

void TestForm1::sliderPressFollowsUntilRelease_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("press");
    QTest::newRow("horizontal, press") << false << int(QEvent::MouseButtonPress);
    // A second press soon after the first arrives as a double-click.
    QTest::newRow("horizontal, second press") << false << int(QEvent::MouseButtonDblClick);
    QTest::newRow("vertical, press") << true << int(QEvent::MouseButtonPress);
    QTest::newRow("vertical, second press") << true << int(QEvent::MouseButtonDblClick);
}

void TestForm1::sliderPressFollowsUntilRelease()
{
    QFETCH(bool, vertical);
    QFETCH(int, press);
    Form1 ruler;
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    auto *slider = ruler.findChild<QSlider *>(vertical ? "Slider2" : "Slider1");
    const auto length = [&] { return vertical ? ruler.height() : ruler.width(); };
    const QPoint end(slider->width() - 1, slider->height() - 1); // clear of the thumb
    QMouseEvent down(QEvent::Type(press), end, slider->mapToGlobal(end), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &down);
    slider->setValue(4500);
    QTRY_COMPARE(length(), 300);
    QMouseEvent up(QEvent::MouseButtonRelease, end, slider->mapToGlobal(end), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &up);
    slider->setValue(3000);
    QTest::qWait(20); // a running 1 ms timer would have followed by now
    QCOMPARE(length(), 300);
}

void TestForm1::thumbFollowsThePointersTravelWhenTheWindowMoves_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("drift"); // of the window while the thumb is held
    // A window manager pushes the lengthened ruler back onto the screen.
    QTest::newRow("horizontal, pushed left") << false << QPoint(-40, 0);
    QTest::newRow("vertical, pushed up") << true << QPoint(0, -40);
    QTest::newRow("horizontal, moved right and down") << false << QPoint(25, 10);
}

// The pointer stands still while the window moves: the length stays; moved on
// by as much again, the pointer lengthens the ruler by as much again. The
// pop-up text follows the thumb.
void TestForm1::thumbFollowsThePointersTravelWhenTheWindowMoves()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, drift);
    Form1 ruler;
    ruler.move(300, 200);
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    auto *slider = ruler.findChild<QSlider *>(vertical ? "Slider2" : "Slider1");
    const QPoint thumb = SliderThumb(slider).center();
    const QPoint step = vertical ? QPoint(0, 20) : QPoint(20, 0);
    QPoint pointer = slider->mapToGlobal(thumb);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, slider->mapFromGlobal(pointer), pointer, Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(slider, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    const int start = slider->value();
    pointer += step;
    send(QEvent::MouseMove, Qt::LeftButton);
    const int first = slider->value();
    QVERIFY(first > start);
    // The pop-up text stands beside the thumb, under the pointer.
    vertical ? ruler.Timer2_Timer() : ruler.Timer1_Timer();
    QWidget *popup = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        popup = window->inherits("QTipLabel") && window->isVisible() ? window : popup;
    QVERIFY(popup);
    const QPoint besideThePointer = popup->pos() - pointer;
    QVERIFY2(
        besideThePointer.manhattanLength() < 40,
        qPrintable(QStringLiteral("%1,%2").arg(besideThePointer.x()).arg(besideThePointer.y())));

    ruler.move(ruler.pos() + drift);
    send(QEvent::MouseMove, Qt::LeftButton);
    QCOMPARE(slider->value(), first);
    pointer += step;
    send(QEvent::MouseMove, Qt::LeftButton);
    const int onePixel = (first - start) / 20 + 1;
    QVERIFY2(qAbs((slider->value() - first) - (first - start)) <= onePixel,
             qPrintable(QStringLiteral("%1 %2 %3").arg(start).arg(first).arg(slider->value())));
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

void TestForm1::unitCommands_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("name");
    QTest::newRow("pixels") << int(ScaleUnits::Pixels) << "400"
                            << "Pixels";
    QTest::newRow("points") << int(ScaleUnits::Points) << "300."
                            << "Points";
    QTest::newRow("characters") << int(ScaleUnits::Characters) << "50."
                                << "Characters";
    QTest::newRow("inches") << int(ScaleUnits::Inches) << "4.2"
                            << "Inches";
    QTest::newRow("millimeters") << int(ScaleUnits::Millimeters) << "105.8"
                                 << "Millimeters";
    QTest::newRow("centimeters") << int(ScaleUnits::Centimeters) << "10.6"
                                 << "Centimeters";
    QTest::newRow("twips") << int(ScaleUnits::Twips) << "6000"
                           << "Twips";
}

void TestForm1::unitCommands()
{
    QFETCH(int, unit);
    QFETCH(QString, width);
    QFETCH(QString, name);
    Form1 ruler;
    ruler.show();
    QAction *entry = ruler.menu()->unitEntry(unit);
    entry->trigger();
    entry->trigger(); // a second time starts from twips again
    QCOMPARE(ruler.Text1(), width);
    QCOMPARE(ruler.Text2(), QString());
    QCOMPARE(ruler.Text5(), name);
    QString onlyThis(7, QLatin1Char('.'));
    onlyThis[unit] = QLatin1Char('x');
    QCOMPARE(ticks(ruler), onlyThis);
}

void TestForm1::refreshUnitOrder()
{
    fakes->settings.values.insert("Presets/Points", "True");
    fakes->settings.values.insert("Presets/Twips", "True");
    Form1 ruler;
    ruler.show();
    QCOMPARE(ticks(ruler), QStringLiteral("xx....x"));
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    QCOMPARE(ticks(ruler), QStringLiteral("x......"));
}

void TestForm1::noUnitTickedShowsTwips()
{
    for (const QString &key : unitKeys)
        fakes->settings.values.insert("Presets/" + key, "False");
    Form1 ruler;
    ruler.show();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("6000"));
    QCOMPARE(ruler.Text5(), QString());
    ruler.mnuCopy_Click();
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:  6000 \r\nHeight:   "));
}

void TestForm1::verticalLengthShownOnceChanged()
{
    Form1 ruler;
    ruler.show();
    ruler.mnuVertical_Click();
    ruler.findChild<QSlider *>("Slider2")->setValue(3000);
    ruler.Timer2_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400")); // the horizontal length, always shown
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuHoriz_Click();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuVertical_Click();
    ruler.findChild<QSlider *>("Slider2")->setValue(6000);
    ruler.mnuHoriz_Click();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text2(), QString());
}

void TestForm1::menuCaptionsOnTimer()
{
    Form1 ruler;
    ruler.show();
    QCOMPARE(ruler.menu()->mnuWidth->text(), QStringLiteral("Width: 0"));
    ruler.Timer1_Timer();
    ruler.Timer4_Timer();
    ruler.Timer5_Timer();
    QCOMPARE(ruler.menu()->mnuWidth->text(), QStringLiteral("Width:  400 Pixels"));
    QCOMPARE(ruler.menu()->mnuHeight->text(), QStringLiteral("Height:   Pixels"));
}

void TestForm1::clearEmptiesReadouts()
{
    Form1 ruler;
    ruler.show();
    ruler.Timer1_Timer();
    ruler.mnuClear_Click();
    QVERIFY(ruler.Text1().isEmpty());
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
}

void TestForm1::orientationKeepsEachLength()
{
    Form1 ruler;
    ruler.show();
    auto *slider1 = ruler.findChild<QSlider *>("Slider1");
    auto *slider2 = ruler.findChild<QSlider *>("Slider2");
    slider1->setValue(9000);
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 400));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(!ruler.isHorizontal());
    QVERIFY(ruler.menu()->mnuHoriz->isVisible());
    QVERIFY(!ruler.menu()->mnuVertical->isVisible());
    QVERIFY(slider2->isVisible() && !slider1->isVisible());
    QVERIFY(ruler.findChild<QLabel *>("Image10")->isVisible());
    QVERIFY(!ruler.findChild<QLabel *>("Image9")->isVisible());
    slider2->setValue(3000);
    ruler.mnuHoriz_Click();
    QCOMPARE(ruler.size(), QSize(600, 84));
    QVERIFY(fixedAtItsSize(ruler));
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 200));
}

void TestForm1::edgeBarPlacement()
{
    Form1 ruler;
    ruler.show();
    auto *bottom = ruler.findChild<QLabel *>("Label2");
    QCOMPARE(bottom->y(), 77); // showing the window lays it out flush with the bottom
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    auto *right = ruler.findChild<QLabel *>("Label4");
    QCOMPARE(right->text(), QStringLiteral("Label4"));
    QCOMPARE(ruler.findChild<QLabel *>("Label3")->text(), QStringLiteral("Label3"));
    QVERIFY(bottom->text().isEmpty());
    QCOMPARE(right->x(), 77); // 1155 twips
    QCOMPARE(right->height(), 400);
    ruler.mnuHoriz_Click();
    QCOMPARE(bottom->y(), 75); // 1120 twips: 40 above the bottom right after the switch
    ruler.findChild<QSlider *>("Slider1")->setValue(7500);
    ruler.Timer1_Timer();
    QCOMPARE(bottom->y(), 77); // 1160 twips: flush after a resize
    QCOMPARE(bottom->width(), 500);
}

void TestForm1::captionPicturesFollowRightEdge()
{
    Form1 ruler;
    ruler.show();
    auto *slider = ruler.findChild<QSlider *>("Slider1");
    for (int length : {6000, 480, 24000}) {
        slider->setValue(length);
        ruler.Timer1_Timer();
        const int w = ruler.width() * 15;
        QCOMPARE(ruler.findChild<QLabel *>("Image3")->x(), qRound((w - 415) / 15.0));
        QCOMPARE(ruler.findChild<QLabel *>("Image6")->x(), qRound((w - 415) / 15.0));
        QCOMPARE(ruler.findChild<QLabel *>("Image4")->x(), qRound((w - 730) / 15.0));
        QCOMPARE(ruler.findChild<QLabel *>("Top_Y")->x(), qRound((w - 1045) / 15.0));
        QCOMPARE(ruler.findChild<QLabel *>("Top_N")->y(), 4);
    }
}

void TestForm1::nudgeMovesByTenTwips()
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
}

void TestForm1::leftDragKeepsPressPointUnderPointer_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<bool>("drags");
    QTest::newRow("face, along") << "Image9" << QPoint(12, 0) << true;
    QTest::newRow("face, up and left") << "Image9" << QPoint(-8, -6) << true;
    QTest::newRow("title image") << "Image1" << QPoint(0, 15) << true;
    QTest::newRow("top edge bar") << "Label1" << QPoint(20, 3) << true;
    QTest::newRow("background") << "Form1" << QPoint(11, 0) << true;
    QTest::newRow("face, a jitter") << "Image9" << QPoint(3, 2) << false;
}

// The move starts once the pointer has travelled a little from the press; it
// must start from the press, or the window lags behind the pointer.
void TestForm1::leftDragKeepsPressPointUnderPointer()
{
    QFETCH(QString, surface);
    QFETCH(QPoint, travel);
    QFETCH(bool, drags);
    Form1 ruler;
    ruler.move(200, 150);
    ruler.show();
    QWidget *handle =
        surface == QLatin1String("Form1") ? &ruler : ruler.findChild<QWidget *>(surface);
    QVERIFY(handle);
    const QPoint local(5, 5);
    const QPoint press = handle->mapToGlobal(local);
    QMouseEvent down(QEvent::MouseButtonPress, local, press, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &down);
    QMouseEvent move(QEvent::MouseMove, local + travel, press + travel, Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QApplication::sendEvent(handle, &move);
    QCOMPARE(fakes->mover.moves, drags ? QList<QWidget *>{&ruler} : QList<QWidget *>());
    QCOMPARE(fakes->mover.continuedFrom, drags ? QList<QPoint>{press} : QList<QPoint>());
}

void TestForm1::takingOffTopLeavesBandOnce()
{
    Form1 ruler;
    ruler.Top_Y_Click();
    QVERIFY(!fakes->band.IsTopMost(&ruler));
    QVERIFY(!ruler.ShowsOnTop());
    QVERIFY(!ruler.findChild<QLabel *>("Top_N")->isHidden());
    ruler.Command1_Click();
    QVERIFY(fakes->band.IsTopMost(&ruler));
    QVERIFY(ruler.ShowsOnTop());
}

// A second right press soon after the first arrives as a double-click: it
// opens the menu like any right press on the face.
void TestForm1::rightPressesOpenTheMenu_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("press") << int(QEvent::MouseButtonPress);
    QTest::newRow("double-click") << int(QEvent::MouseButtonDblClick);
}

void TestForm1::rightPressesOpenTheMenu()
{
    QFETCH(int, type);
    Form1 ruler;
    ruler.show();
    QWidget *face = ruler.findChild<QLabel *>("Image9");
    QWidget *popup = nullptr;
    QTimer::singleShot(0, [&] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    QMouseEvent press(QEvent::Type(type), QPointF(100, 30), face->mapToGlobal(QPointF(100, 30)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(face, &press);
    QCOMPARE(popup, static_cast<QWidget *>(ruler.menu()));
    QVERIFY(!ended);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
