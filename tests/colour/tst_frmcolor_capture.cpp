#include "SpyTest.h"
#include "button/chameleonButton.h"
#include "chrome/OpenWindows.h"
#include "colour/frmColor.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

// Color Spy capturing: the readouts filled from the pixel under the pointer,
// Enter freezing and copying them, and the desktop's own picker where the
// screen cannot be read.

class tst_frmcolor_capture : public SpyTest
{
    Q_OBJECT
private slots:
    void tickFillsEveryReadoutFromOneSample_data();
    void tickFillsEveryReadoutFromOneSample();
    void enterBeforeStartCopiesEmptyValues();
    void enterFreezesThenCopiesTheReadouts();
    void otherKeysLeaveCaptureRunning();
    void startAsksTheDesktopWhereTheScreenCannotBeRead_data();
    void startAsksTheDesktopWhereTheScreenCannotBeRead();
    void minimisedCaptureGoesOn();
};

void tst_frmcolor_capture::tickFillsEveryReadoutFromOneSample_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<qint32>("color");
    QTest::addColumn<QStringList>("readouts"); // in the order of readoutNames
    QTest::addColumn<QColor>("swatch");
    const auto spaced = [](const char *texts) { return QString(texts).split(QLatin1Char(' ')); };
    QTest::newRow("black") << QPoint(100, 200) << 0 << spaced("0 0 vbBlack 100 200 0 000000 0 0 0")
                           << QColor(0, 0, 0);
    QTest::newRow("pure red") << QPoint(5, 6) << 255 << spaced("255 12 vbRed 5 6 FF FF0000 0 255 0")
                              << QColor(255, 0, 0);
    QTest::newRow("blue below 16")
        << QPoint(1279, 799) << 1015872 << spaced("1015872 n/a n/a 1279 799 F8040 40800F 128 64 15")
        << QColor(64, 128, 15);
    QTest::newRow("light grey") << QPoint(0, 0) << 12632256
                                << spaced("12632256 7 n/a 0 0 C0C0C0 C0C0C0 192 192 192")
                                << QColor(192, 192, 192);
    QTest::newRow("unreadable, left of the screen")
        << QPoint(-20, 300) << -1 << spaced("-1 n/a n/a -20 300 FFFFFFFF FFFFFF 255 255 -1")
        << QColor(248, 240, 224);
}

void tst_frmcolor_capture::tickFillsEveryReadoutFromOneSample()
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

void tst_frmcolor_capture::enterBeforeStartCopiesEmptyValues()
{
    frmColor *spy = openSpy();
    QTest::keyClick(named<QFrame>(spy, "Picture1"), Qt::Key_Return);
    QCOMPARE(fakes->clipboard.clears, 1);
    QCOMPARE(
        fakes->clipboard.text,
        QStringLiteral("Decimal - \r\nHex - \r\nRGB # - \r\nRed Value  - \r\nGreen Value - "
                       "\r\nBlue Value - \r\nVB Color - \r\nQB Color - \r\nX Pos - \r\nY Pos - "));
}

void tst_frmcolor_capture::enterFreezesThenCopiesTheReadouts()
{
    frmColor *spy = openSpy();
    QFrame *swatch = named<QFrame>(spy, "Picture1");
    spy->chameleonButton2_Click();
    QVERIFY(spy->capturing());
    tick(QPoint(100, 200), 0);

    const QString black = QStringLiteral(
        "Decimal - 0\r\nHex - 0\r\nRGB # - 000000\r\nRed Value  - 0\r\nGreen Value - 0\r\n"
        "Blue Value - 0\r\nVB Color - vbBlack\r\nQB Color - 0\r\nX Pos - 100\r\nY Pos - 200");
    QTest::keyClick(swatch, Qt::Key_Return);
    QVERIFY(!spy->capturing());
    QCOMPARE(fakes->clipboard.text, black);

    fakes->sampler.pixel = [](QPoint) { return 255; };
    QTest::qWait(250); // capture is off: no tick may change the readouts
    QTest::keyClick(swatch, Qt::Key_Enter);
    QCOMPARE(fakes->clipboard.clears, 2);
    QCOMPARE(fakes->clipboard.text, black);

    spy->chameleonButton2_Click();
    QTRY_COMPARE(readout("Label1")->text(), QStringLiteral("255"));
}

void tst_frmcolor_capture::otherKeysLeaveCaptureRunning()
{
    frmColor *spy = openSpy();
    QFrame *swatch = named<QFrame>(spy, "Picture1");
    spy->chameleonButton2_Click();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Tab})
        QTest::keyClick(swatch, key);
    spy->Picture1_KeyPress(10);
    QVERIFY(spy->capturing());
    QCOMPARE(fakes->clipboard.clears, 0);
}

void tst_frmcolor_capture::startAsksTheDesktopWhereTheScreenCannotBeRead_data()
{
    // One Start and one answer each: the colour picked, or -1 for a refusal,
    // -2 for no answer in time, -3 for a picker that went away, -4 for the
    // user's cancel, -5 for no picker at all.
    QTest::addColumn<QList<qint32>>("answers");
    QTest::addColumn<QStringList>("readouts"); // in the order of readoutNames
    QTest::addColumn<QString>("hint");

    // The picker tells no place: X Pos and Y Pos stay empty.
    const QStringList red{"255", "12", "vbRed", "", "", "FF", "FF0000", "0", "255", "0"};
    const QString design = QStringLiteral("Click Start - Press Enter to Copy");
    const QString refusal = QStringLiteral("This desktop does not let programs read the screen.");
    QTest::newRow("picked") << QList<qint32>{255} << red << design;
    QTest::newRow("refused") << QList<qint32>{-1} << QStringList(10, QString()) << refusal;
    QTest::newRow("cancelled after a refusal")
        << QList<qint32>{-1, -4} << QStringList(10, QString()) << design;
    QTest::newRow("no picker") << QList<qint32>{-5} << QStringList(10, QString())
                               << QStringLiteral("This desktop has no color picker.");
    QTest::newRow("refused after a pick: the pick stays")
        << QList<qint32>{255, -1} << red << refusal;
    QTest::newRow("picked after a refusal") << QList<qint32>{-1, 255} << red << design;
    QTest::newRow("no answer in time") << QList<qint32>{-2} << QStringList(10, QString())
                                       << QStringLiteral("The color picker timed out.");
    QTest::newRow("the picker went away after a pick")
        << QList<qint32>{255, -3} << red << QStringLiteral("The desktop's color picker stopped.");
    QTest::newRow("picked after no answer") << QList<qint32>{-2, -3, 255} << red << design;
}

void tst_frmcolor_capture::startAsksTheDesktopWhereTheScreenCannotBeRead()
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
        QCOMPARE(named<QLabel>(spy, "Label21")->text(),
                 QStringLiteral("Pick a color on the screen"));
        using Answer = ColorPicker::Answer;
        const Answer::Outcome outcomes[] = {Answer::Refused, Answer::Unanswered, Answer::PickerGone,
                                            Answer::Cancelled, Answer::NoPicker};
        fakes->colorPicker.Reply(answer >= 0 ? Answer{Answer::Picked, answer}
                                             : Answer{outcomes[-answer - 1]});
        QVERIFY(!spy->capturing());
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

void tst_frmcolor_capture::minimisedCaptureGoesOn()
{
    frmColor *spy = openSpy();
    spy->chameleonButton2_Click();
    pressCaptionButton(spy, QStringLiteral("min_normal"));
    QVERIFY(spy->isMinimized());
    fakes->sampler.pixel = [](QPoint) { return 65280; };
    QTRY_COMPARE(readout("Label3")->text(), QStringLiteral("vbGreen"));

    // Chosen again from the ruler's menu, it comes back from the task bar.
    QCOMPARE(OpenWindows::show<frmColor>(), spy);
    QVERIFY(!spy->isMinimized());
    QVERIFY(spy->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QVERIFY(spy->capturing());
}

QTEST_MAIN(tst_frmcolor_capture)
#include "tst_frmcolor_capture.moc"
