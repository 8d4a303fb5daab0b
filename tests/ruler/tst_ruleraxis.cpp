#include "ruler/Measurement.h"
#include "ruler/RulerAxis.h"
#include "ruler/ScaleUnit.h"

#include <QAction>
#include <QSlider>
#include <QTest>

// One orientation of the ruler without a window: the length its slider
// stores, the size it asks for, the pop-up text and the menu caption.

class tst_ruleraxis : public QObject
{
    Q_OBJECT
private slots:
    void axisRunsItsOwnOrientation_data();
    void axisRunsItsOwnOrientation();
};

void tst_ruleraxis::axisRunsItsOwnOrientation_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text6");
    QTest::addColumn<QString>("text7");
    QTest::addColumn<QSize>("lengthened"); // of a window 400 x 84
    QTest::addColumn<QString>("popup");
    // clang-format off
    QTest::newRow("horizontal")
        << false << 4520 << "4520" << "6000" << QSize(301, 84) << "301 Pixels";
    QTest::newRow("horizontal, longest")
        << false << 24000 << "24000" << "6000" << QSize(1600, 84) << "1600 Pixels";
    QTest::newRow("vertical")
        << true << 3000 << "6000" << "3000" << QSize(400, 200) << "200 Pixels";
    QTest::newRow("vertical, shortest")
        << true << 480 << "6000" << "480" << QSize(400, 32) << "32 Pixels";
    // clang-format on
}

void tst_ruleraxis::axisRunsItsOwnOrientation()
{
    QFETCH(bool, vertical);
    QFETCH(int, position);
    QFETCH(QString, text6);
    QFETCH(QString, text7);
    QFETCH(QSize, lengthened);
    QFETCH(QString, popup);
    Measurement measurement;
    measurement.setHorizontalLength(6000);
    measurement.setVerticalLength(6000);
    measurement.setHorizontal(!vertical);
    measurement.setTicked(ScaleUnits::Pixels, true);
    RulerAxis axis(vertical ? Orientation::Vertical : Orientation::Horizontal, measurement);
    QSlider slider;
    slider.setRange(480, 24000);
    QAction entry(QStringLiteral("Width: 0"));
    axis.attach(&slider, &entry);
    slider.setValue(position);
    axis.storeLength();
    QCOMPARE(measurement.Text6(), text6);
    QCOMPARE(measurement.Text7(), text7);
    QCOMPARE(axis.lengthened(QSize(400, 84)), lengthened);
    measurement.followLength(float(position / 15 * 15));
    QCOMPARE(axis.popupText(), popup);
    axis.refreshCaption();
    QCOMPARE(entry.text(), (vertical ? "Height:  " : "Width:  ") + popup); // the length shown
}

QTEST_MAIN(tst_ruleraxis)
#include "tst_ruleraxis.moc"
