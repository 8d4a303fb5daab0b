#include "Form1Checks.h"
#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/Form1.h"
#include "ruler/LengthFollower.h"
#include "ruler/Measurement.h"
#include "ruler/ScaleUnit.h"
#include "ruler/SliderPopup.h"
#include "window/SliderThumb.h"
#include "window/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolTip>

// The ruler's sliders and the follow of a held one: the handlers on a
// follower without the ruler, then the ruler's length on each tick, the
// sliders' keys, wheel and held thumb, and the pop-up beside the thumb.

namespace {

// A follower of two sliders, lengthening a bare window.
struct FollowRig
{
    QWidget window;
    Measurement measurement;
    RulerAxis horizontal{Orientation::Horizontal, measurement};
    RulerAxis vertical{Orientation::Vertical, measurement};
    QSlider slider1{Qt::Horizontal, &window};
    QSlider slider2{Qt::Vertical, &window};
    QAction width, height;
    QList<QSize> resizes; // made at once, while the window is hidden
    LengthFollower follower{LengthFollower::Window{
                                &window,
                                [this](const QSize &size) {
                                    resizes << size;
                                    window.setFixedSize(size);
                                },
                                [] {},
                                [] {},
                                [this] { refreshReadouts(); },
                            },
                            measurement,
                            {&horizontal, &vertical}};

    FollowRig()
    {
        window.setFixedSize(400, 84);
        measurement.setTicked(ScaleUnits::Pixels, true);
        for (QSlider *slider : {&slider1, &slider2})
            slider->setRange(480, 24000);
        horizontal.attach(&slider1, &width);
        vertical.attach(&slider2, &height);
    }
    // The readouts of the length the window has, as the ruler builds them.
    void refreshReadouts()
    {
        const int length = measurement.isHorizontal() ? window.width() : window.height();
        measurement.followLength(float(Twips::fromPixels(length)));
    }
    // The axes whose timer is on: "H", "V", "HV" or empty.
    QString on(QTimer &(RulerAxis::*timer)())
    {
        QString result;
        if ((horizontal.*timer)().isActive())
            result += QLatin1Char('H');
        if ((vertical.*timer)().isActive())
            result += QLatin1Char('V');
        return result;
    }
};

// The tooltip Qt shows for a text at a point, or nullptr.
QWidget *shownToolTip()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class tst_lengthfollower : public WindowTest
{
    Q_OBJECT
private slots:
    void sliderTickFollowsInTickedUnit_data();
    void sliderTickFollowsInTickedUnit();
    void sliderKeysAndWheel_data();
    void sliderKeysAndWheel();
    void sliderPressFollowsUntilRelease_data();
    void sliderPressFollowsUntilRelease();
    void handlersRunTheirAxis_data();
    void handlersRunTheirAxis();
    void tickAsksTheSlidersLength_data();
    void tickAsksTheSlidersLength();
    void thumbFollowsThePointersTravelWhenTheWindowMoves_data();
    void thumbFollowsThePointersTravelWhenTheWindowMoves();
    void tickWritesOnlyWhatChanged_data();
    void tickWritesOnlyWhatChanged();
    void popupLooksAndStandsAsATooltip();
};

void tst_lengthfollower::sliderTickFollowsInTickedUnit_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("other"); // the readout of the length not followed
    // Between two pixels: the window keeps whole pixels.
    QTest::newRow("horizontal") << false << 9010 << QSize(601, 84) << "";
    QTest::newRow("vertical") << true << 3005 << QSize(84, 200) << "400";
}

// Each orientation's handlers run their own slider, timer and caption: the
// window takes the slider's length, its readout shows the length the window
// has, the other readout the other stored length.
void tst_lengthfollower::sliderTickFollowsInTickedUnit()
{
    QFETCH(bool, vertical);
    QFETCH(int, position);
    QFETCH(QSize, size);
    QFETCH(QString, other);
    Form1 ruler;
    QSlider *slider = showTurned(ruler, vertical);
    slider->setValue(position);
    vertical ? ruler.Timer2_Timer() : ruler.Timer1_Timer();
    QCOMPARE(ruler.size(), size);
    const QString followed = vertical ? ruler.Text2() : ruler.Text1();
    QCOMPARE(followed, QString::number(vertical ? size.height() : size.width()));
    QCOMPARE(vertical ? ruler.Text1() : ruler.Text2(), other);
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    QVERIFY(sliderPopup(ruler) && sliderPopup(ruler)->isVisible());
    QCOMPARE(sliderPopup(ruler)->text(), followed + QStringLiteral(" Pixels"));
    QVERIFY(slider->toolTip().isEmpty()); // the pop-up is no tooltip
    QAction *entry = vertical ? ruler.menu()->mnuHeight : ruler.menu()->mnuWidth;
    QAction *otherEntry = vertical ? ruler.menu()->mnuWidth : ruler.menu()->mnuHeight;
    const QString otherCaption = otherEntry->text();
    vertical ? ruler.Timer5_Timer() : ruler.Timer4_Timer();
    QVERIFY2(entry->text().endsWith(sliderPopup(ruler)->text()), qPrintable(entry->text()));
    QCOMPARE(otherEntry->text(), otherCaption);
}

void tst_lengthfollower::sliderKeysAndWheel_data()
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

void tst_lengthfollower::sliderKeysAndWheel()
{
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(QPoint, wheel);
    QFETCH(int, step);
    Form1 ruler;
    QSlider *control = showTurned(ruler, slider == QLatin1String("Slider2"));
    keyOrWheel(control, key, wheel);
    QCOMPARE(control->value(), 6000 + step);
}

void tst_lengthfollower::sliderPressFollowsUntilRelease_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("second"); // soon after the first: it arrives as a double-click
    QTest::newRow("horizontal, press") << false << false;
    QTest::newRow("horizontal, second press") << false << true;
    QTest::newRow("vertical, press") << true << false;
    QTest::newRow("vertical, second press") << true << true;
}

void tst_lengthfollower::sliderPressFollowsUntilRelease()
{
    QFETCH(bool, vertical);
    QFETCH(bool, second);
    Form1 ruler;
    QSlider *slider = showTurned(ruler, vertical);
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

void tst_lengthfollower::handlersRunTheirAxis_data()
{
    QTest::addColumn<QString>("steps"); // press, release, stop; H or V
    QTest::addColumn<QString>("following");
    QTest::addColumn<QString>("captions");
    // clang-format off
    QTest::newRow("press H") << "press H" << "H" << "H";
    QTest::newRow("press V") << "press V" << "V" << "V";
    QTest::newRow("the other pressed") << "press H,press V" << "V" << "HV";
    QTest::newRow("released") << "press V,release V" << "" << "V";
    QTest::newRow("pressed again") << "press H,release H,press H" << "H" << "H";
    QTest::newRow("turned") << "press H,stop" << "" << "H";
    QTest::newRow("release alone") << "release H" << "" << "";
    // clang-format on
}

// Never both follow timers on; a caption timer, once started, never stops.
void tst_lengthfollower::handlersRunTheirAxis()
{
    QFETCH(QString, steps);
    QFETCH(QString, following);
    QFETCH(QString, captions);
    FollowRig rig;
    for (const QString &step : steps.split(QLatin1Char(','))) {
        const auto axis =
            step.endsWith(QLatin1Char('V')) ? Orientation::Vertical : Orientation::Horizontal;
        if (step.startsWith(QLatin1String("press")))
            rig.follower.pressed(axis);
        else if (step.startsWith(QLatin1String("release")))
            rig.follower.released(axis);
        else
            rig.follower.stop();
    }
    QCOMPARE(rig.on(&RulerAxis::followTimer), following);
    QCOMPARE(rig.on(&RulerAxis::captionTimer), captions);
}

void tst_lengthfollower::tickAsksTheSlidersLength_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("answer"); // of the window manager; late: after the release
    QTest::addColumn<QSize>("size");
    QTest::newRow("horizontal, hidden") << false << false << "" << QSize(300, 84);
    QTest::newRow("vertical, hidden") << true << false << "" << QSize(400, 200);
    QTest::newRow("horizontal, given") << false << true << "gives" << QSize(300, 84);
    QTest::newRow("vertical, given") << true << true << "gives" << QSize(400, 200);
    QTest::newRow("horizontal, refused") << false << true << "refuses" << QSize(400, 84);
    QTest::newRow("horizontal, given late") << false << true << "late" << QSize(300, 84);
}

// A hidden window takes the length at once; a shown one asks the window
// manager, and paints only once the size came or was refused. The readouts
// show the size the window has, even one given after the slider's release:
// a refused one leaves the real size.
void tst_lengthfollower::tickAsksTheSlidersLength()
{
    QFETCH(bool, vertical);
    QFETCH(bool, shown);
    QFETCH(QString, answer);
    QFETCH(QSize, size);
    FollowRig rig;
    if (shown)
        rig.window.show();
    const bool late = answer == QLatin1String("late");
    fakes->windowPlace.refusesSizes = answer == QLatin1String("refuses");
    fakes->windowPlace.holdsSizes = late;
    const auto axis = vertical ? Orientation::Vertical : Orientation::Horizontal;
    rig.measurement.setHorizontal(!vertical);
    (vertical ? rig.slider2 : rig.slider1).setValue(vertical ? 3000 : 4500);
    rig.follower.pressed(axis);
    rig.follower.tick(axis);
    QCOMPARE(rig.resizes.size(), shown ? 0 : 1);
    QCOMPARE(fakes->windowPlace.askedSizes.size(), shown ? 1 : 0);
    if (fakes->windowPlace.refusesSizes || late)
        QVERIFY(!rig.window.updatesEnabled()); // painting waits for the size
    if (late) {
        rig.follower.released(axis);
        fakes->windowPlace.giveHeldSize();
    }
    QTRY_VERIFY(rig.window.updatesEnabled());
    QCOMPARE(rig.window.size(), size);
    QVERIFY(fixedAtItsSize(rig.window));
    QCOMPARE(vertical ? rig.measurement.Text2() : rig.measurement.Text1(),
             QString::number(vertical ? size.height() : size.width()));
    rig.follower.released(axis);
    QVERIFY(!sliderPopup(rig.window) || !sliderPopup(rig.window)->isVisible());
}

void tst_lengthfollower::thumbFollowsThePointersTravelWhenTheWindowMoves_data()
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
void tst_lengthfollower::thumbFollowsThePointersTravelWhenTheWindowMoves()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, drift);
    Form1 ruler;
    ruler.move(300, 200);
    QSlider *slider = showTurned(ruler, vertical);
    const QPoint thumb = sliderThumb(slider).center();
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

    const QPoint popupBefore = popup->pos();
    ruler.move(ruler.pos() + drift);
    follow();
    QCOMPARE(slider->value(), first);
    QTRY_COMPARE(popup->pos(), popupBefore + drift); // beside the thumb again
    pointer += step;
    follow();
    const int onePixel = (first - start) / 20 + 1;
    QVERIFY2(qAbs((slider->value() - first) - (first - start)) <= onePixel,
             qPrintable(QStringLiteral("%1 %2 %3").arg(start).arg(first).arg(slider->value())));
    release(slider, Qt::LeftButton, slider->mapFromGlobal(pointer));
}

void tst_lengthfollower::tickWritesOnlyWhatChanged_data()
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
void tst_lengthfollower::tickWritesOnlyWhatChanged()
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
void tst_lengthfollower::popupLooksAndStandsAsATooltip()
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
            popup->showAt(corner, text);
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

QTEST_MAIN(tst_lengthfollower)
#include "tst_lengthfollower.moc"
