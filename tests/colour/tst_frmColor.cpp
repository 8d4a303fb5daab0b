#include "WindowTest.h"
#include "button/chameleonButton.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopPeer.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

const char *readoutNames[] = {"Label1", "Label2", "Label3",  "Label4",  "Label5",
                              "Label6", "Label7", "Label18", "Label19", "Label20"};

} // namespace

class tst_frmColor : public WindowTest
{
    Q_OBJECT
private slots:
    void opensOnceAsDesigned();
    void restoresEachStoredEdge_data();
    void restoresEachStoredEdge();
    void tickFillsEveryReadoutFromOneSample_data();
    void tickFillsEveryReadoutFromOneSample();
    void enterBeforeStartCopiesEmptyValues();
    void enterFreezesThenCopiesTheReadouts();
    void otherKeysLeaveCaptureRunning();
    void startAsksTheDesktopWhereTheScreenCannotBeRead_data();
    void startAsksTheDesktopWhereTheScreenCannotBeRead();
    void closePathsStoreThePosition_data();
    void closePathsStoreThePosition();
    void buttonsActOnTheirClick_data();
    void buttonsActOnTheirClick();
    void resetSurfacesReturnTheCaptionButtons_data();
    void resetSurfacesReturnTheCaptionButtons();
    void leavingBelowTheTitleStripFocusesTheSwatch_data();
    void leavingBelowTheTitleStripFocusesTheSwatch();
    void minimisedCaptureGoesOn();
    void takingOffTopReassertsTheOthers();

private:
    frmColor *openSpy();
    QLabel *readout(const char *name);
    void tick(QPoint pointer, qint32 color);
};

frmColor *tst_frmColor::openSpy()
{
    frmColor *spy = OpenWindows::Show<frmColor>();
    spy->move(100, 200);
    return spy;
}

QLabel *tst_frmColor::readout(const char *name)
{
    return named<QLabel>(OpenWindows::Find<frmColor>(), name);
}

void tst_frmColor::tick(QPoint pointer, qint32 color)
{
    fakes->sampler.pointer = pointer;
    fakes->sampler.pixel = [color](QPoint) { return color; };
    OpenWindows::Find<frmColor>()->Timer1_Timer();
}

void tst_frmColor::opensOnceAsDesigned()
{
    frmColor *spy = OpenWindows::Show<frmColor>();
    QCOMPARE(OpenWindows::Find<frmColor>(), spy);
    QCOMPARE(OpenWindows::Show<frmColor>(), spy);
    QCOMPARE(spy->size(), QSize(197, 349));
    QVERIFY(spy->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(spy->isWindow());
    QVERIFY(!spy->ShowsOnTop());
    QVERIFY(fakes->band.topMost.isEmpty());
    QVERIFY(!spy->Capturing());
    for (const char *name : readoutNames)
        QVERIFY2(readout(name)->text().isEmpty(), name);
    QCOMPARE(named<QFrame>(spy, "Picture1")->palette().color(QPalette::Window),
             QColor(248, 240, 224));

    QPointer<frmColor> first = spy;
    spy->close();
    QCOMPARE(OpenWindows::Find<frmColor>(), nullptr);
    settle();
    QVERIFY(first.isNull());
    QVERIFY(OpenWindows::Show<frmColor>() != nullptr);
}

void tst_frmColor::restoresEachStoredEdge_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<bool>("leftRestored");
    QTest::addColumn<bool>("topRestored");
    QTest::addColumn<QPoint>("stored");

    QTest::newRow("both") << "1500"
                          << "3000" << true << true << QPoint(100, 200);
    QTest::newRow("negative") << "-450"
                              << "15" << true << true << QPoint(-30, 1);
    QTest::newRow("left not a number") << "abc"
                                       << "3000" << false << true << QPoint(0, 200);
    QTest::newRow("top empty") << "1500"
                               << "" << true << false << QPoint(100, 0);
    QTest::newRow("beyond any screen") << "1e30"
                                       << "-3000" << false << true << QPoint(0, -200);
    QTest::newRow("neither") << "nan"
                             << "" << false << false << QPoint();
}

// An edge that cannot be restored stays where a window opened with an empty
// store would be.
void tst_frmColor::restoresEachStoredEdge()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(bool, leftRestored);
    QFETCH(bool, topRestored);
    QFETCH(QPoint, stored);

    // A lone stored edge is applied to the place the system gave the shown window.
    QVERIFY(QTest::qWaitForWindowExposed(OpenWindows::Show<frmColor>()));
    const QPoint placed = OpenWindows::Find<frmColor>()->pos();
    OpenWindows::Find<frmColor>()->close();
    fakes->settings.values.insert(QStringLiteral("Presets/S_L"), left);
    fakes->settings.values.insert(QStringLiteral("Presets/S_T"), top);
    QVERIFY(QTest::qWaitForWindowExposed(OpenWindows::Show<frmColor>()));
    const QPoint position = OpenWindows::Find<frmColor>()->pos();
    QCOMPARE(position.x(), leftRestored ? stored.x() : placed.x());
    QCOMPARE(position.y(), topRestored ? stored.y() : placed.y());
    QVERIFY(fakes->settings.writes.isEmpty());
}

void tst_frmColor::tickFillsEveryReadoutFromOneSample_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<qint32>("color");
    QTest::addColumn<QStringList>("readouts"); // in the order of readoutNames
    QTest::addColumn<QColor>("swatch");

    QTest::newRow("black") << QPoint(100, 200) << 0
                           << QStringList{"0", "0",      "vbBlack", "100", "200",
                                          "0", "000000", "0",       "0",   "0"}
                           << QColor(0, 0, 0);
    QTest::newRow("pure red") << QPoint(5, 6) << 255
                              << QStringList{"255", "12",     "vbRed", "5",   "6",
                                             "FF",  "FF0000", "0",     "255", "0"}
                              << QColor(255, 0, 0);
    QTest::newRow("blue below 16")
        << QPoint(1279, 799) << 1015872
        << QStringList{"1015872", "n/a", "n/a", "1279", "799", "F8040", "40800F", "128", "64", "15"}
        << QColor(64, 128, 15);
    QTest::newRow("light grey") << QPoint(0, 0) << 12632256
                                << QStringList{"12632256", "7",      "n/a", "0",   "0",
                                               "C0C0C0",   "C0C0C0", "192", "192", "192"}
                                << QColor(192, 192, 192);
    QTest::newRow("unreadable, left of the screen")
        << QPoint(-20, 300) << -1
        << QStringList{"-1", "n/a", "n/a", "-20", "300", "FFFFFFFF", "FFFFFF", "255", "255", "-1"}
        << QColor(248, 240, 224);
}

void tst_frmColor::tickFillsEveryReadoutFromOneSample()
{
    QFETCH(QPoint, pointer);
    QFETCH(qint32, color);
    QFETCH(QStringList, readouts);
    QFETCH(QColor, swatch);

    frmColor *spy = openSpy();
    tick(QPoint(3, 3), 16777215); // a different colour first: nothing may stay behind
    fakes->sampler.pointerReads = fakes->sampler.pixelReads = 0;
    tick(pointer, color);
    for (int i = 0; i < readouts.size(); ++i)
        QVERIFY2(readout(readoutNames[i])->text() == readouts.at(i), readoutNames[i]);
    QCOMPARE(named<QFrame>(spy, "Picture1")->palette().color(QPalette::Window), swatch);
    QCOMPARE(fakes->sampler.pointerReads, 1);
    QCOMPARE(fakes->sampler.pixelReads, 1);
    // The same sample again repaints nothing in the window.
    QVERIFY(QTest::qWaitForWindowExposed(spy));
    QCoreApplication::processEvents();
    PaintCounter painted(spy);
    tick(pointer, color);
    QCoreApplication::processEvents();
    QCOMPARE(painted.paints, 0);
}

void tst_frmColor::enterBeforeStartCopiesEmptyValues()
{
    frmColor *spy = openSpy();
    QTest::keyClick(named<QFrame>(spy, "Picture1"), Qt::Key_Return);
    QCOMPARE(fakes->clipboard.clears, 1);
    QCOMPARE(
        fakes->clipboard.text,
        QStringLiteral("Decimal - \r\nHex - \r\nRGB # - \r\nRed Value  - \r\nGreen Value - "
                       "\r\nBlue Value - \r\nVB Color - \r\nQB Color - \r\nX Pos - \r\nY Pos - "));
}

void tst_frmColor::enterFreezesThenCopiesTheReadouts()
{
    frmColor *spy = openSpy();
    QFrame *swatch = named<QFrame>(spy, "Picture1");
    spy->chameleonButton2_Click();
    QVERIFY(spy->Capturing());
    tick(QPoint(100, 200), 0);

    const QString black = QStringLiteral(
        "Decimal - 0\r\nHex - 0\r\nRGB # - 000000\r\nRed Value  - 0\r\nGreen Value - 0\r\n"
        "Blue Value - 0\r\nVB Color - vbBlack\r\nQB Color - 0\r\nX Pos - 100\r\nY Pos - 200");
    QTest::keyClick(swatch, Qt::Key_Return);
    QVERIFY(!spy->Capturing());
    QCOMPARE(fakes->clipboard.text, black);

    fakes->sampler.pixel = [](QPoint) { return 255; };
    QTest::qWait(250); // capture is off: no tick may change the readouts
    QTest::keyClick(swatch, Qt::Key_Enter);
    QCOMPARE(fakes->clipboard.clears, 2);
    QCOMPARE(fakes->clipboard.text, black);

    spy->chameleonButton2_Click();
    QTRY_COMPARE(readout("Label1")->text(), QStringLiteral("255"));
}

void tst_frmColor::otherKeysLeaveCaptureRunning()
{
    frmColor *spy = openSpy();
    QFrame *swatch = named<QFrame>(spy, "Picture1");
    spy->chameleonButton2_Click();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab})
        QTest::keyClick(swatch, key);
    spy->Picture1_KeyPress(10);
    QVERIFY(spy->Capturing());
    QCOMPARE(fakes->clipboard.clears, 0);
}

void tst_frmColor::startAsksTheDesktopWhereTheScreenCannotBeRead_data()
{
    // One Start and one answer each: the colour picked, or -1 for a refusal,
    // -2 for no answer in time, -3 for a picker that went away.
    QTest::addColumn<QList<qint32>>("answers");
    QTest::addColumn<QStringList>("readouts"); // in the order of readoutNames
    QTest::addColumn<QString>("hint");

    const QStringList red{"255", "12", "vbRed", "5", "6", "FF", "FF0000", "0", "255", "0"};
    const QString design = QStringLiteral("Click Start - Press Enter to Copy");
    const QString refusal = QStringLiteral("This desktop does not let programs read the screen.");
    QTest::newRow("picked") << QList<qint32>{255} << red << design;
    QTest::newRow("no picker, cancelled or refused")
        << QList<qint32>{-1} << QStringList(10, QString()) << refusal;
    QTest::newRow("refused after a pick: the pick stays")
        << QList<qint32>{255, -1} << red << refusal;
    QTest::newRow("picked after a refusal") << QList<qint32>{-1, 255} << red << design;
    QTest::newRow("no answer in time")
        << QList<qint32>{-2} << QStringList(10, QString())
        << QStringLiteral("The desktop's color picker did not answer.");
    QTest::newRow("the picker went away after a pick")
        << QList<qint32>{255, -3} << red << QStringLiteral("The desktop's color picker stopped.");
    QTest::newRow("picked after no answer") << QList<qint32>{-2, -3, 255} << red << design;
}

void tst_frmColor::startAsksTheDesktopWhereTheScreenCannotBeRead()
{
    QFETCH(QList<qint32>, answers);
    QFETCH(QStringList, readouts);
    QFETCH(QString, hint);

    frmColor *spy = openSpy();
    fakes->sampler.readable = false;
    fakes->sampler.pointer = QPoint(5, 6);
    for (qint32 answer : answers) {
        spy->chameleonButton2_Click();
        spy->chameleonButton2_Click(); // while the desktop is asked: no second question
        QCOMPARE(fakes->colorPicker.open.size(), 1);
        using Answer = ColorPicker::Answer;
        const Answer::Outcome outcomes[] = {Answer::Refused, Answer::Unanswered,
                                            Answer::PickerGone};
        fakes->colorPicker.Reply(answer >= 0 ? Answer{Answer::Picked, answer}
                                             : Answer{outcomes[-answer - 1]});
        QVERIFY(!spy->Capturing());
    }
    QCOMPARE(fakes->colorPicker.windows, QList<QWidget *>(answers.size(), spy));
    QCOMPARE(fakes->sampler.pixelReads, 0);
    for (int i = 0; i < readouts.size(); ++i)
        QVERIFY2(readout(readoutNames[i])->text() == readouts.at(i), readoutNames[i]);
    auto *label = named<QLabel>(spy, "Label21");
    QCOMPARE(label->text(), hint);
    const QRect text = QFontMetrics(label->font())
                           .boundingRect(label->rect(), Qt::AlignCenter | Qt::TextWordWrap, hint);
    QVERIFY2(label->rect().contains(text) && spy->rect().contains(label->geometry()),
             "the hint is shown whole");

    QTest::keyClick(named<QFrame>(spy, "Picture1"), Qt::Key_Return);
    QCOMPARE(fakes->clipboard.text.section(QStringLiteral("\r\n"), 0, 0),
             QStringLiteral("Decimal - ") + readouts.first());
}

void tst_frmColor::closePathsStoreThePosition_data()
{
    QTest::addColumn<int>("path");
    QTest::addColumn<QStringList>("writes");

    const QStringList position{"S_L=1500", "S_T=3000"};
    QTest::newRow("Close button") << 0 << position;
    QTest::newRow("close control") << 1 << position;
    QTest::newRow("ruler unloads it") << 2 << QStringList();
    QTest::newRow("window manager closes it") << 3 << QStringList();
}

void tst_frmColor::closePathsStoreThePosition()
{
    QFETCH(int, path);
    QFETCH(QStringList, writes);

    QPointer<frmColor> spy = openSpy();
    spy->chameleonButton2_Click();
    switch (path) {
    case 0:
        spy->chameleonButton1_Click();
        break;
    case 1:
        pressCaptionButton(spy, QStringLiteral("close_normal"));
        break;
    case 2:
        OpenWindows::UnloadOthers(OpenWindows::Ruler);
        break;
    default:
        spy->close();
    }
    QVERIFY(!spy->Capturing());
    QCOMPARE(OpenWindows::Find<frmColor>(), nullptr);
    QCOMPARE(fakes->settings.writes, writes);
    settle();
    QVERIFY(spy.isNull());

    if (!writes.isEmpty())
        QCOMPARE(OpenWindows::Show<frmColor>()->pos(), QPoint(100, 200));
}

void tst_frmColor::buttonsActOnTheirClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("accessKey"); // 0: a mouse click on the button
    QTest::addColumn<bool>("capturing");
    QTest::addColumn<bool>("stillOpen");

    QTest::newRow("Start clicked") << "chameleonButton2" << 0 << true << true;
    QTest::newRow("Start by Alt+S") << "chameleonButton2" << int(Qt::Key_S) << true << true;
    QTest::newRow("Close clicked") << "chameleonButton1" << 0 << false << false;
    QTest::newRow("Close by Alt+C") << "chameleonButton1" << int(Qt::Key_C) << false << false;
}

void tst_frmColor::buttonsActOnTheirClick()
{
    QFETCH(QString, button);
    QFETCH(int, accessKey);
    QFETCH(bool, capturing);
    QFETCH(bool, stillOpen);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QCOMPARE(named<chameleonButton>(spy, button)->Font().pointSizeF(), 8.25);
    if (accessKey)
        QTest::keyClick(spy, Qt::Key(accessKey), Qt::AltModifier);
    else
        QTest::mouseClick(named(spy, button), Qt::LeftButton);
    QCOMPARE(OpenWindows::Find<frmColor>() == spy, stillOpen);
    if (stillOpen)
        QCOMPARE(spy->Capturing(), capturing);
    else
        QCOMPARE(fakes->settings.writes, (QStringList{"S_L=1500", "S_T=3000"}));
}

void tst_frmColor::resetSurfacesReturnTheCaptionButtons_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<bool>("focusesSwatch");

    QTest::newRow("background") << "Image1" << true;
    QTest::newRow("title strip") << "Image2" << false;
}

void tst_frmColor::resetSurfacesReturnTheCaptionButtons()
{
    QFETCH(QString, surface);
    QFETCH(bool, focusesSwatch);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QWidget *swatch = named<QFrame>(spy, "Picture1");
    QCOMPARE(QApplication::focusWidget(), swatch);
    QWidget *start = named(spy, "chameleonButton2");
    start->setFocus();
    CaptionButton *close = nullptr;
    for (CaptionButton *button : spy->findChildren<CaptionButton *>())
        close =
            button->normalPicture()->objectName() == QLatin1String("close_normal") ? button : close;
    moveOver(close->normalPicture(), QPoint(5, 5));
    QCOMPARE(close->state(), CaptionButton::Hover);

    moveOver(named(spy, surface), QPoint(5, 5));
    QCOMPARE(close->state(), CaptionButton::Normal);
    QCOMPARE(QApplication::focusWidget(), focusesSwatch ? swatch : start);
}

void tst_frmColor::leavingBelowTheTitleStripFocusesTheSwatch_data()
{
    QTest::addColumn<QPoint>("outside"); // the pointer once it has left, in the window
    QTest::addColumn<bool>("focusesSwatch");

    QTest::newRow("out of the right edge from a readout group") << QPoint(230, 270) << true;
    QTest::newRow("out of the bottom from the Start button") << QPoint(50, 360) << true;
    QTest::newRow("out of the left edge from the hint") << QPoint(-20, 297) << true;
    QTest::newRow("just below the title strip") << QPoint(-3, 29) << true;
    QTest::newRow("across the title strip") << QPoint(220, 28) << false;
    QTest::newRow("over the top") << QPoint(100, -10) << false;
}

// After Start the focus is on the Start button; the user then moves the
// pointer out to the pixel, whichever way.
void tst_frmColor::leavingBelowTheTitleStripFocusesTheSwatch()
{
    QFETCH(QPoint, outside);
    QFETCH(bool, focusesSwatch);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QWidget *swatch = named<QFrame>(spy, "Picture1");
    QWidget *start = named(spy, "chameleonButton2");
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(spy->Capturing());
    QCOMPARE(QApplication::focusWidget(), start);
    QCursor::setPos(spy->mapToGlobal(outside));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(spy, &leave);
    QCOMPARE(QApplication::focusWidget(), focusesSwatch ? swatch : start);
}

void tst_frmColor::minimisedCaptureGoesOn()
{
    frmColor *spy = openSpy();
    spy->chameleonButton2_Click();
    pressCaptionButton(spy, QStringLiteral("min_normal"));
    QVERIFY(spy->isMinimized());
    fakes->sampler.pixel = [](QPoint) { return 65280; };
    QTRY_COMPARE(readout("Label3")->text(), QStringLiteral("vbGreen"));

    // Chosen again from the ruler's menu, it comes back from the task bar.
    QCOMPARE(OpenWindows::Show<frmColor>(), spy);
    QVERIFY(!spy->isMinimized());
    QVERIFY(spy->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QVERIFY(spy->Capturing());
}

void tst_frmColor::takingOffTopReassertsTheOthers()
{
    PeerProbe ruler;
    OpenWindows::Register(OpenWindows::Ruler, &ruler);
    Mixer *mixer = OpenWindows::Show<Mixer>();
    frmColor *spy = openSpy();

    spy->Top_N_Click();
    QVERIFY(spy->ShowsOnTop());
    QVERIFY(fakes->band.IsTopMost(spy));
    mixer->Top_N_Click();
    fakes->band.calls.clear();

    spy->Top_Y_Click();
    QVERIFY(!spy->ShowsOnTop());
    QVERIFY(!fakes->band.IsTopMost(spy));
    QCOMPARE(ruler.reasserts, 1);
    QVERIFY(mixer->ShowsOnTop());
    QCOMPARE(fakes->band.calls, (QStringList{"frmColor:off", "Mixer:on"}));

    // A closed Mixer is neither re-asserted nor opened again.
    mixer->close();
    spy->Command1_Click();
    QVERIFY(fakes->band.IsTopMost(spy));
    spy->Top_Y_Click();
    QCOMPARE(OpenWindows::Find<Mixer>(), nullptr);
    QCOMPARE(ruler.reasserts, 2);
    OpenWindows::Forget(OpenWindows::Ruler, &ruler);
}

QTEST_MAIN(tst_frmColor)
#include "tst_frmColor.moc"
