#include "WindowTest.h"
#include "chrome/CaptionButton.h"
#include "chrome/OpenWindows.h"
#include "platform/ProgramEnd.h"
#include "ruler/ContextMenu.h"
#include "ruler/FaceArea.h"
#include "ruler/Form1.h"
#include "ruler/LengthText.h"
#include "ruler/ReadoutBox.h"
#include "ruler/ScaleUnit.h"
#include "ruler/SliderPopup.h"
#include "ruler/SurfacePainter.h"
#include "window/SliderThumb.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QStaticText>
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

// The label beside the slider's thumb, or nullptr before the first tick.
QLabel *sliderPopup(const Form1 &ruler)
{
    return ruler.findChild<QLabel *>(QStringLiteral("SliderPopup"));
}

// The tooltip Qt shows for a text at a point, or nullptr.
QWidget *shownToolTip()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            return window;
    }
    return nullptr;
}

// The size hints that tiling window managers float a window by: smallest and
// largest sizes equal to the window's own.
bool fixedAtItsSize(const QWidget &window)
{
    return window.minimumSize() == window.size() && window.maximumSize() == window.size();
}

// A window that paints its face's areas, and the labels handed to its
// surface painter over them, itself.
class SurfaceWindow : public QWidget
{
public:
    SurfaceWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    SurfacePainter surfaces{this};
    QList<FaceArea *> areas;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        QRegion background = event->region();
        for (const FaceArea *area : std::as_const(areas)) {
            if (area->coversItsPlace())
                background -= area->geometry();
        }
        for (const QRect &rect : background)
            painter.fillRect(rect, palette().window());
        for (const FaceArea *area : std::as_const(areas))
            area->paint(painter);
        surfaces.paint(painter, event->rect());
    }
};

// Labels of every kind the ruler lays on its face: pictures with soft edges
// aligned at the top or in the middle, an opaque one cut off by its label, a
// filled bar whose text runs past its edge, and a picture raised over
// another.
QList<QLabel *> layLabels(QWidget &window)
{
    QPixmap picture(30, 20);
    picture.fill(Qt::transparent);
    {
        QPainter onPicture(&picture);
        onPicture.setRenderHint(QPainter::Antialiasing);
        onPicture.setBrush(QColor(200, 30, 30, 220));
        onPicture.drawEllipse(QRectF(0.5, 0.5, 29, 19));
    }
    QPixmap opaque(30, 20);
    opaque.fill(QColor(30, 120, 30));
    {
        QPainter onOpaque(&opaque);
        onOpaque.drawEllipse(QRectF(0.5, 0.5, 29, 19));
    }
    window.setFixedSize(120, 60);
    QPalette beige = window.palette();
    beige.setColor(QPalette::Window, QColor(240, 232, 216));
    window.setPalette(beige);
    auto *top = new QLabel(&window);
    top->setPixmap(picture);
    top->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    top->setGeometry(15, 5, 30, 20);
    auto *middle = new QLabel(&window);
    middle->setPixmap(picture);
    middle->setGeometry(30, 20, 50, 34);
    auto *cut = new QLabel(&window);
    cut->setPixmap(opaque);
    cut->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cut->setGeometry(95, 40, 12, 10);
    auto *bar = new QLabel(QStringLiteral("Label3"), &window);
    bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar->setAutoFillBackground(true);
    QPalette blue = bar->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    bar->setPalette(blue);
    bar->setGeometry(0, 0, 7, 60);
    top->raise();
    return {top, middle, cut, bar};
}

} // namespace

class TestForm1 : public WindowTest
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
    void tickWritesOnlyWhatChanged_data();
    void tickWritesOnlyWhatChanged();
    void popupLooksAndStandsAsATooltip();
    void longestReadoutsFitTheirBoxes_data();
    void longestReadoutsFitTheirBoxes();
    void readoutDrawsAsATextBox();
    void lengthTextDrawsAsStaticText_data();
    void lengthTextDrawsAsStaticText();
    void readoutTakesTyping();
    void noUnitTickedShowsTwips();
    void verticalLengthShownOnceChanged();
    void menuCaptionsOnTimer();
    void clearEmptiesReadouts();
    void orientationKeepsEachLength();
    void edgeBarPlacement();
    void uprightFaceIsTheFaceTurned();
    void surfacesPaintAsLabels();
    void faceAreasPaintAsLabels();
    void captionPicturesFollowRightEdge();
    void nudgeMovesByTenTwips();
    void surfacesTakeTheMouse_data();
    void surfacesTakeTheMouse();
    void leftDragKeepsPressPointUnderPointer_data();
    void leftDragKeepsPressPointUnderPointer();
    void takingOffTopLeavesBandOnce();
    void waysIntoTheMenu_data();
    void waysIntoTheMenu();
};

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
        QCOMPARE(fakes->settings.saves.size(), 1); // all reach the store in one step
    } else {
        QVERIFY(fakes->settings.writes.isEmpty());
    }
}

// ... and unloads every other open window, each with its own unloading: the
// Mixer stores its colour.
void TestForm1::platformCloseSavesWithoutEnding()
{
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
        QCOMPARE(OpenWindows::Find(role), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    auto *slider = named<QSlider>(&ruler, "Slider1");
    slider->setValue(4520); // between two pixels: the window keeps whole pixels
    ruler.Timer1_Timer();
    QCOMPARE(ruler.width(), 301);
    QCOMPARE(ruler.Text1(), QStringLiteral("301"));
    QCOMPARE(ruler.Text2(), QString());
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    QVERIFY(sliderPopup(ruler) && sliderPopup(ruler)->isVisible());
    QCOMPARE(sliderPopup(ruler)->text(), QStringLiteral("301 Pixels"));
    QVERIFY(slider->toolTip().isEmpty()); // no hover text once let go
    ruler.Slider1_MouseUp();
    QVERIFY(!sliderPopup(ruler)->isVisible());
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
    // The shortest and the longest ruler, as the help page promises.
    QTest::newRow("horizontal, Home") << "Slider1" << int(Qt::Key_Home) << QPoint() << 480 - 6000;
    QTest::newRow("horizontal, End") << "Slider1" << int(Qt::Key_End) << QPoint() << 24000 - 6000;
    QTest::newRow("vertical, Home") << "Slider2" << int(Qt::Key_Home) << QPoint() << 480 - 6000;
    QTest::newRow("vertical, End") << "Slider2" << int(Qt::Key_End) << QPoint() << 18000 - 6000;
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
    auto *control = named<QSlider>(&ruler, slider);
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
    QTest::addColumn<bool>("second"); // soon after the first: it arrives as a double-click
    QTest::newRow("horizontal, press") << false << false;
    QTest::newRow("horizontal, second press") << false << true;
    QTest::newRow("vertical, press") << true << false;
    QTest::newRow("vertical, second press") << true << true;
}

void TestForm1::sliderPressFollowsUntilRelease()
{
    QFETCH(bool, vertical);
    QFETCH(bool, second);
    Form1 ruler;
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    auto *slider = named<QSlider>(&ruler, vertical ? "Slider2" : "Slider1");
    const auto length = [&] { return vertical ? ruler.height() : ruler.width(); };
    const QPoint end(slider->width() - 1, slider->height() - 1); // clear of the thumb
    second ? doubleClick(slider, Qt::LeftButton, end) : press(slider, Qt::LeftButton, end);
    QTest::qWait(20); // held still: the ticks find nothing new, and the timer sleeps
    slider->setValue(4500);
    QTRY_COMPARE(length(), 300);
    // Another size given to the window while the thumb is held is taken back.
    QTest::qWait(20);
    ruler.setFixedSize(vertical ? QSize(84, 350) : QSize(350, 84));
    QTRY_COMPARE(length(), 300);
    release(slider, Qt::LeftButton, end);
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
    auto *slider = named<QSlider>(&ruler, vertical ? "Slider2" : "Slider1");
    const QPoint thumb = SliderThumb(slider).center();
    const QPoint step = vertical ? QPoint(0, 20) : QPoint(20, 0);
    QPoint pointer = slider->mapToGlobal(thumb);
    const auto follow = [&] { moveOver(slider, slider->mapFromGlobal(pointer), Qt::LeftButton); };
    press(slider, Qt::LeftButton, slider->mapFromGlobal(pointer));
    const int start = slider->value();
    pointer += step;
    follow();
    const int first = slider->value();
    QVERIFY(first > start);
    // The pop-up text stands beside the thumb, under the pointer.
    vertical ? ruler.Timer2_Timer() : ruler.Timer1_Timer();
    QLabel *popup = sliderPopup(ruler);
    QVERIFY(popup && popup->isVisible());
    const QPoint besideThePointer = popup->pos() - pointer;
    QVERIFY2(
        besideThePointer.manhattanLength() < 40,
        qPrintable(QStringLiteral("%1,%2").arg(besideThePointer.x()).arg(besideThePointer.y())));

    ruler.move(ruler.pos() + drift);
    follow();
    QCOMPARE(slider->value(), first);
    pointer += step;
    follow();
    const int onePixel = (first - start) / 20 + 1;
    QVERIFY2(qAbs((slider->value() - first) - (first - start)) <= onePixel,
             qPrintable(QStringLiteral("%1 %2 %3").arg(start).arg(first).arg(slider->value())));
    release(slider, Qt::LeftButton, slider->mapFromGlobal(pointer));
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

void TestForm1::tickWritesOnlyWhatChanged_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("next"); // the slider's position for the second tick
    QTest::addColumn<bool>("newText");
    QTest::newRow("pixels, held still") << int(ScaleUnits::Pixels) << 4520 << false;
    QTest::newRow("pixels, within the pixel") << int(ScaleUnits::Pixels) << 4522 << false;
    QTest::newRow("pixels, a pixel longer") << int(ScaleUnits::Pixels) << 4535 << true;
    QTest::newRow("inches, a pixel longer, same tenth") << int(ScaleUnits::Inches) << 4535 << false;
    QTest::newRow("twips, held still") << int(ScaleUnits::Twips) << 4520 << false;
    QTest::newRow("twips, a pixel longer") << int(ScaleUnits::Twips) << 4535 << true;
}

// A tick with nothing new to show changes no tick mark, writes no readout and
// repaints nothing; a new text repaints the pop-up once. (A window that
// changes its size is repainted whole by Qt.)
void TestForm1::tickWritesOnlyWhatChanged()
{
    QFETCH(int, unit);
    QFETCH(int, next);
    QFETCH(bool, newText);
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    ruler.menu()->unitEntry(unit)->trigger();
    auto *slider = named<QSlider>(&ruler, "Slider1");
    slider->setValue(4520);
    ruler.Timer1_Timer();
    QCoreApplication::processEvents();
    const QString before = ruler.Text1();
    const int widthBefore = ruler.width();
    QList<QSignalSpy *> toggles;
    for (int each = 0; each < ScaleUnits::Count; ++each)
        toggles << new QSignalSpy(ruler.menu()->unitEntry(each), &QAction::changed);
    PaintCounter window(&ruler);
    PaintCounter readouts(named(&ruler, "Text1"));
    readouts.watch(named(&ruler, "Text2"));
    PaintCounter popup(sliderPopup(ruler));
    slider->setValue(next);
    ruler.Timer1_Timer();
    ruler.Timer1_Timer();
    QCoreApplication::processEvents();
    for (QSignalSpy *spy : toggles)
        QCOMPARE(spy->count(), 0);
    qDeleteAll(toggles);
    QCOMPARE(ruler.Text1() != before, newText);
    if (next == 4520) // held still
        QCOMPARE(window.paints, 0);
    if (ruler.width() == widthBefore)
        QCOMPARE(readouts.paints, 0);
    QCOMPARE(popup.paints, newText ? 1 : 0);
    QCOMPARE(sliderPopup(ruler)->text(), ruler.Text1() + QLatin1Char(' ') + ruler.Text5());
}

// The pop-up is drawn as Qt draws a tooltip, and stands where Qt would show
// one for the same point.
void TestForm1::popupLooksAndStandsAsATooltip()
{
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    named<QSlider>(&ruler, "Slider1")->setValue(4520);
    ruler.Timer1_Timer();
    auto *popup = qobject_cast<SliderPopup *>(sliderPopup(ruler));
    QVERIFY(popup && popup->isVisible());
    // Anywhere on the screen, and where it must turn away from the corner.
    const QStringList texts = {"301 Pixels", "1199.9 Points", "24000 Twips", "105,8 Millimeters"};
    for (const QPoint &corner : {QPoint(300, 200), QPoint(790, 790)}) {
        for (const QString &text : texts) {
            popup->hide();
            popup->ShowAt(corner, text);
            QToolTip::showText(corner, text, &ruler);
            QWidget *tip = shownToolTip();
            QVERIFY(tip);
            QCOMPARE(popup->geometry(), tip->geometry());
            QCOMPARE(popup->grab().toImage(), tip->grab().toImage());
            QToolTip::hideText();
            QTRY_VERIFY(!shownToolTip());
        }
    }
}

void TestForm1::longestReadoutsFitTheirBoxes_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<int>("longest"); // twips
    QTest::addColumn<QString>("locale");
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        for (const char *locale : {"C", "de_DE"}) {
            const QByteArray name = ScaleUnits::unit(unit).name;
            QTest::newRow(name + ", width, " + locale) << unit << "Text1" << 24000 << locale;
            QTest::newRow(name + ", height, " + locale) << unit << "Text2" << 18000 << locale;
        }
    }
}

// Every text a readout can show, at every length either slider can set,
// fits its box whole in the font the program gets, from the box's left edge.
void TestForm1::longestReadoutsFitTheirBoxes()
{
    QFETCH(int, unit);
    QFETCH(QString, readout);
    QFETCH(int, longest);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    Form1 ruler;
    auto *box = named<ReadoutBox>(&ruler, readout);
    QVERIFY(box);
    const QFontMetrics metrics(box->textFont());
    QString widest;
    for (int twips = 480; twips <= longest; ++twips) {
        const QString text = ScaleUnits::unit(unit).readout(twips);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    QVERIFY2(metrics.horizontalAdvance(widest) <= box->textRoom().width(),
             qPrintable(QStringLiteral("%1 takes %2 pixels in %3 %4 pt, the box has %5")
                            .arg(widest)
                            .arg(metrics.horizontalAdvance(widest))
                            .arg(QFontInfo(box->textFont()).family())
                            .arg(box->textFont().pointSizeF())
                            .arg(box->textRoom().width())));
    QVERIFY(box->textRoom().left() <= 2);
}

// Idle, a readout looks as a line edit of its size, font and colours shows
// the same text; the longest text is drawn whole.
void TestForm1::readoutDrawsAsATextBox()
{
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    auto *box = named<ReadoutBox>(&ruler, "Text1");
    QLineEdit edit(&ruler);
    edit.setGeometry(box->geometry().translated(0, 30));
    edit.setPalette(box->palette());
    edit.setFont(box->textFont());
    edit.setTextMargins(-1, 0, -1, 0);
    edit.setFocusPolicy(Qt::NoFocus);
    edit.show();
    for (const QString &text : {QStringLiteral("105.8"), QStringLiteral("1199.9")}) {
        box->setText(text);
        edit.setText(text);
        edit.setCursorPosition(0);
        QCOMPARE(box->grab().toImage(), edit.grab().toImage());
    }
    // The ink of "1199.9" starts at the box's left and ends inside its right.
    const QImage drawn = box->grab().toImage();
    int first = -1, last = -1;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            // The dark blue ink, whole or blended: far more blue than red,
            // unlike the beige panel and the grey frame.
            const QColor pixel = drawn.pixelColor(x, y);
            if (pixel.blue() - pixel.red() > 60) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
    }
    QVERIFY2(first >= 2 && first <= 3, qPrintable(QString::number(first)));
    QVERIFY2(last > first && last <= box->textRoom().right(), qPrintable(QString::number(last)));
}

void TestForm1::lengthTextDrawsAsStaticText_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("locale");
    for (const char *font : {"readout", "pop-up", "kerned"}) {
        for (const char *locale : {"C", "de_DE"})
            QTest::newRow(QByteArray(font) + ", " + locale) << font << locale;
    }
}

// Every length a readout or the pop-up shows, in every unit, with the pairs
// that fonts kern ("11", "P."), and texts that are no lengths, look as Qt
// draws them laid out whole, in the readouts' and the pop-up's fonts and in
// one that kerns digits.
void TestForm1::lengthTextDrawsAsStaticText()
{
    QFETCH(QString, font);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    Form1 ruler;
    QFont chosen = QToolTip::font();
    if (font == QLatin1String("readout")) {
        chosen = ruler.findChild<ReadoutBox *>("Text1")->textFont();
    } else if (font == QLatin1String("kerned")) {
        chosen.setFamilies(
            {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        chosen.setPointSizeF(11);
    }
    QStringList texts = {QString(), " Pixels", "400 ", "12 abc", "abc", "-3.5", "1 1  1"};
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        for (int twips : {480, 4515, 6000, 11111, 16665, 17985, 24000}) {
            const QString length = ScaleUnits::unit(unit).readout(twips);
            texts << length
                  << length + QLatin1Char(' ') + QLatin1String(ScaleUnits::unit(unit).name);
        }
    }
    LengthText placed(chosen);
    QStaticText whole;
    whole.setTextFormat(Qt::PlainText);
    for (const QString &text : texts) {
        QImage expected(260, 30, QImage::Format_ARGB32_Premultiplied);
        expected.fill(QColor(248, 236, 224));
        QImage drawn = expected;
        QPainter onExpected(&expected);
        onExpected.setPen(QColor(0, 0, 192));
        onExpected.setFont(chosen);
        whole.setText(text);
        onExpected.drawStaticText(QPointF(3, 2), whole);
        QPainter onDrawn(&drawn);
        onDrawn.setPen(QColor(0, 0, 192));
        placed.draw(onDrawn, QPointF(3, 2), text);
        QVERIFY2(drawn == expected, qPrintable(text));
    }
}

// The user may still type into a readout; the copy takes what is shown, and
// the next length shown replaces it.
void TestForm1::readoutTakesTyping()
{
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    ruler.Timer1_Timer();
    auto *box = named<ReadoutBox>(&ruler, "Text1");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
    auto *editor = box->findChild<QLineEdit *>();
    QVERIFY(editor && editor->hasFocus());
    QTest::keyClicks(editor, "7");
    QCOMPARE(ruler.Text1(), QStringLiteral("4007"));
    ruler.mnuCopy_Click();
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:  4007 Pixels\r\nHeight:   Pixels"));
    named<QSlider>(&ruler, "Slider1")->setFocus();
    QVERIFY(!editor->isVisible());
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
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
    named<QSlider>(&ruler, "Slider2")->setValue(3000);
    ruler.Timer2_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400")); // the horizontal length, always shown
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuHoriz_Click();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuVertical_Click();
    named<QSlider>(&ruler, "Slider2")->setValue(6000);
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
    auto *slider1 = named<QSlider>(&ruler, "Slider1");
    auto *slider2 = named<QSlider>(&ruler, "Slider2");
    slider1->setValue(9000);
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 400));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(!ruler.isHorizontal());
    QVERIFY(ruler.menu()->mnuHoriz->isVisible());
    QVERIFY(!ruler.menu()->mnuVertical->isVisible());
    QVERIFY(slider2->isVisible() && !slider1->isVisible());
    QVERIFY(named<FaceArea>(&ruler, "Image10")->isVisible());
    QVERIFY(!named<FaceArea>(&ruler, "Image9")->isVisible());
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
    auto *bottom = named<FaceArea>(&ruler, "Label2");
    QCOMPARE(bottom->y(), 77); // showing the window lays it out flush with the bottom
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    auto *right = named<FaceArea>(&ruler, "Label4");
    QCOMPARE(right->text(), QStringLiteral("Label4"));
    QCOMPARE(named<FaceArea>(&ruler, "Label3")->text(), QStringLiteral("Label3"));
    QVERIFY(bottom->text().isEmpty());
    QCOMPARE(right->x(), 77); // 1155 twips
    QCOMPARE(right->height(), 400);
    ruler.mnuHoriz_Click();
    QCOMPARE(bottom->y(), 75); // 1120 twips: 40 above the bottom right after the switch
    named<QSlider>(&ruler, "Slider1")->setValue(7500);
    ruler.Timer1_Timer();
    QCOMPARE(bottom->y(), 77); // 1160 twips: flush after a resize
    QCOMPARE(bottom->width(), 500);
}

// The upright face is the horizontal one turned over its diagonal, light
// above and left, dark below and right, with its own two dark end rows.
void TestForm1::uprightFaceIsTheFaceTurned()
{
    Form1 ruler;
    ruler.mnuVertical_Click();
    const QImage across = named<FaceArea>(&ruler, "Image9")->pixmap().toImage();
    const QImage upright = named<FaceArea>(&ruler, "Image10")->pixmap().toImage();
    QCOMPARE(across.size(), QSize(1600, 70));
    QCOMPARE(upright.size(), QSize(70, 1200));
    for (int along = 0; along < 1200; ++along) {
        const int acrossColumn = along < 1198 ? along : along + 400;
        for (int side = 0; side < 70; ++side)
            QCOMPARE(upright.pixel(side, along), across.pixel(acrossColumn, side));
    }
    QVERIFY(qGray(across.pixel(0, 35)) > qGray(across.pixel(800, 35)));
    QVERIFY(qGray(across.pixel(1599, 35)) < qGray(across.pixel(800, 35)));
    QVERIFY(qGray(across.pixel(800, 0)) > qGray(across.pixel(800, 69)));
}

// The window paints the labels lying on it as each label paints itself,
// before and after one is hidden and another moved under the raised one.
void TestForm1::surfacesPaintAsLabels()
{
    QWidget plain;
    const QList<QLabel *> plainLabels = layLabels(plain);
    SurfaceWindow painted;
    const QList<QLabel *> paintedLabels = layLabels(painted);
    for (QLabel *label : paintedLabels)
        painted.surfaces.add(label);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    for (const QList<QLabel *> &labels : {plainLabels, paintedLabels}) {
        labels.at(2)->hide();
        labels.at(1)->move(20, 10);
    }
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
}

// The face's areas look as labels of their place, picture and text aligned
// at the top left, and filled bars, would look.
void TestForm1::faceAreasPaintAsLabels()
{
    QWidget plain;
    QList<QLabel *> labels = layLabels(plain);
    labels.at(1)->hide(); // an area aligns its picture at the top only
    SurfaceWindow painted;
    painted.setFixedSize(plain.size());
    painted.setPalette(plain.palette());
    for (const QLabel *label : std::as_const(labels)) {
        if (label->isHidden())
            continue;
        auto *area = new FaceArea(&painted, label->objectName(), label->geometry());
        area->setPixmap(label->pixmap());
        area->setText(label->text());
        if (label->autoFillBackground())
            area->setFill(label->palette().color(QPalette::Window));
        painted.areas.append(area);
    }
    // The window paints them in the order given: the raised label last.
    painted.areas.move(0, painted.areas.size() - 1);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    labels.at(2)->move(60, 12);
    painted.areas.at(0)->move(60, 12);
    labels.at(3)->hide();
    painted.areas.at(1)->hide();
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
}

void TestForm1::captionPicturesFollowRightEdge()
{
    Form1 ruler;
    ruler.show();
    auto *slider = named<QSlider>(&ruler, "Slider1");
    for (int length : {6000, 480, 24000}) {
        slider->setValue(length);
        ruler.Timer1_Timer();
        const int w = ruler.width() * 15;
        QCOMPARE(named<QLabel>(&ruler, "Image3")->x(), qRound((w - 415) / 15.0));
        QCOMPARE(named<QLabel>(&ruler, "Image6")->x(), qRound((w - 415) / 15.0));
        QCOMPARE(named<QLabel>(&ruler, "Image4")->x(), qRound((w - 730) / 15.0));
        QCOMPARE(named<QLabel>(&ruler, "Top_Y")->x(), qRound((w - 1045) / 15.0));
        QCOMPARE(named<QLabel>(&ruler, "Top_N")->y(), 4);
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

void TestForm1::surfacesTakeTheMouse_data()
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
void TestForm1::surfacesTakeTheMouse()
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

void TestForm1::leftDragKeepsPressPointUnderPointer_data()
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
void TestForm1::leftDragKeepsPressPointUnderPointer()
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

void TestForm1::takingOffTopLeavesBandOnce()
{
    Form1 ruler;
    ruler.Top_Y_Click();
    QVERIFY(!fakes->band.IsTopMost(&ruler));
    QVERIFY(!ruler.ShowsOnTop());
    QVERIFY(!named<QLabel>(&ruler, "Top_N")->isHidden());
    ruler.Command1_Click();
    QVERIFY(fakes->band.IsTopMost(&ruler));
    QVERIFY(ruler.ShowsOnTop());
}

// Every way into the context menu, and where it opens, from the ruler's
// corner: the mouse's at the pointer (a second right press soon after the
// first arrives as a double-click, and opens it all the same), the
// keyboard's at the middle of the slider that has the focus, as the Menu key
// asks for it. The platform's context event of a right press must not open
// the menu a second time.
void TestForm1::waysIntoTheMenu_data()
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

void TestForm1::waysIntoTheMenu()
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

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
