#include "ruler/Measurement.h"
#include "ruler/ScaleUnit.h"
#include "ruler/UnitFormats.h"

#include <QTest>

class tst_unitformats : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void readouts_data();
    void readouts();
    void commaLocale();
    void readoutValues_data();
    void readoutValues();
    void applyRoutines_data();
    void applyRoutines();
    void measurement_data();
    void measurement();
};

void tst_unitformats::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("tenths");
    QTest::newRow("300") << 300.0 << "300"
                         << "300.";
    QTest::newRow("4.1666") << 4.1666 << "4"
                            << "4.2";
    QTest::newRow("0.333") << 0.333 << ""
                           << ".3";
    QTest::newRow("zero") << 0.0 << ""
                          << ".";
    QTest::newRow("half away from zero") << 2.5 << "3"
                                         << "2.5";
    QTest::newRow("tenths half") << 0.25 << ""
                                 << ".3";
    QTest::newRow("just under a half") << 0.449 << ""
                                       << ".4";
    QTest::newRow("rounds up to whole") << 9.96 << "10"
                                        << "10.";
    QTest::newRow("more than six digits") << 1234567.0 << "1234567"
                                          << "1234567.";
    QTest::newRow("negative") << -2.5 << "-3"
                              << "-2.5";
}

void tst_unitformats::formats()
{
    QFETCH(double, value);
    QFETCH(QString, whole);
    QFETCH(QString, tenths);
    const QLocale c(QLocale::C);
    QCOMPARE(UnitFormats::wholeText(value, c), whole);
    QCOMPARE(UnitFormats::tenthsText(value, c), tenths);
}

void tst_unitformats::readouts_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");
    using namespace ScaleUnits;
    QTest::newRow("6000 px") << 6000.0 << int(Pixels) << "400";
    QTest::newRow("6000 pt") << 6000.0 << int(Points) << "300.";
    QTest::newRow("6000 chars") << 6000.0 << int(Characters) << "50.";
    QTest::newRow("6000 in") << 6000.0 << int(Inches) << "4.2";
    QTest::newRow("6000 mm") << 6000.0 << int(Millimeters) << "105.8";
    QTest::newRow("6000 cm") << 6000.0 << int(Centimeters) << "10.6";
    QTest::newRow("6000 twips") << 6000.0 << int(Twips) << "6000";
    QTest::newRow("4515 px") << 4515.0 << int(Pixels) << "301";
    QTest::newRow("4515 pt") << 4515.0 << int(Points) << "225.8";
    QTest::newRow("4515 in") << 4515.0 << int(Inches) << "3.1";
    QTest::newRow("480 in") << 480.0 << int(Inches) << ".3";
    QTest::newRow("480 cm") << 480.0 << int(Centimeters) << ".8";
    QTest::newRow("480 px") << 480.0 << int(Pixels) << "32";
    // The historic divisor, not 1440 / 25.4, which would give 425.4 here.
    QTest::newRow("mm divisor") << 24120.0 << int(Millimeters) << "425.5";
    QTest::newRow("0 px") << 0.0 << int(Pixels) << "";
}

void tst_unitformats::readouts()
{
    QFETCH(double, twips);
    QFETCH(int, unit);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(ScaleUnits::unit(unit).readout(twips), expected);
}

void tst_unitformats::commaLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(UnitFormats::tenthsText(4.1666, german), QStringLiteral("4,2"));
    QCOMPARE(UnitFormats::tenthsText(0, german), QStringLiteral(","));
    QCOMPARE(UnitFormats::wholeText(1234567, german), QStringLiteral("1234567"));
    QCOMPARE(UnitFormats::singleText(7.5f, german), QStringLiteral("7,5"));
    QCOMPARE(UnitFormats::readoutValue(QStringLiteral("7,5"), german), std::optional<double>(7.5));
}

void tst_unitformats::readoutValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("twips") << "6000" << true << 6000.0;
    QTest::newRow("decimal") << "105.8" << true << 105.8;
    QTest::newRow("separator only") << "." << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("typed words") << "abc" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
}

void tst_unitformats::readoutValues()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> read = UnitFormats::readoutValue(text, QLocale::c());
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

void tst_unitformats::applyRoutines_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("widthAfter");
    QTest::addColumn<QString>("heightAfter");
    using namespace ScaleUnits;
    QTest::newRow("ApplyPixels") << int(Pixels) << "6000"
                                 << "3000"
                                 << "400"
                                 << "200";
    QTest::newRow("ApplyPixels, zero") << int(Pixels) << "0"
                                       << "7"
                                       << ""
                                       << "";
    QTest::newRow("ApplyPoints, empty height left") << int(Points) << "6000"
                                                    << ""
                                                    << "300."
                                                    << "";
    QTest::newRow("ApplyCharacters") << int(Characters) << "480"
                                     << "120"
                                     << "4."
                                     << "1.";
    QTest::newRow("ApplyInches, typed words left") << int(Inches) << "abc"
                                                   << "1440"
                                                   << "abc"
                                                   << "1.";
    QTest::newRow("ApplyMillimeters, a separator alone left") << int(Millimeters) << "."
                                                              << "24120"
                                                              << "."
                                                              << "425.5";
    QTest::newRow("ApplyCentimeters, neither a number") << int(Centimeters) << ""
                                                        << "x"
                                                        << ""
                                                        << "x";
}

// Each routine converts both readouts, as they stand, from twips; a failing
// one is skipped and the other still converted.
void tst_unitformats::applyRoutines()
{
    QFETCH(int, unit);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QLocale::setDefault(QLocale::c());
    void (Measurement::*routines[])() = {
        &Measurement::ApplyPixels, &Measurement::ApplyPoints,      &Measurement::ApplyCharacters,
        &Measurement::ApplyInches, &Measurement::ApplyMillimeters, &Measurement::ApplyCentimeters,
    };
    Measurement measurement;
    measurement.setText1(width);
    measurement.setText2(height);
    (measurement.*routines[unit])();
    QTEST(measurement.Text1(), "widthAfter");
    QTEST(measurement.Text2(), "heightAfter");
}

void tst_unitformats::measurement_data()
{
    QTest::addColumn<QString>("ticked"); // before the steps, one mark a unit
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("lengths");  // Text6, Text7
    QTest::addColumn<double>("reported"); // the window's length along the ruler
    QTest::addColumn<QString>("locale");
    // A unit's name runs its command; "tick" a slider tick; "clear" Cl&ear;
    // "typed T" the user typing T into the width readout.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("ticks"); // after the steps
    QTest::addColumn<QString>("copy");
    const QPoint start(6000, 6000);
    QTest::newRow("copy before anything")
        << "x......" << false << start << 6000.0 << "C" << QStringList() << ""
        << ""
        << ""
        << "x......"
        << "Width:   \r\nHeight:   ";
    QTest::newRow("pixels") << "x......" << false << start << 6000.0 << "C" << QStringList{"Pixels"}
                            << "400"
                            << ""
                            << "Pixels"
                            << "x......"
                            << "Width:  400 Pixels\r\nHeight:   Pixels";
    QTest::newRow("points twice starts from twips again")
        << "x......" << false << start << 6000.0 << "C" << QStringList{"Points", "Points"} << "300."
        << ""
        << "Points"
        << ".x....."
        << "Width:  300. Points\r\nHeight:   Points";
    QTest::newRow("twips, every other unit unticked")
        << "xxxxxx." << false << start << 6000.0 << "C" << QStringList{"Twips"} << "6000"
        << ""
        << "Twips"
        << "......x"
        << "Width:  6000 Twips\r\nHeight:   Twips";
    QTest::newRow("millimetres after pixels, the height from twips")
        << "x......" << false << QPoint(6000, 3000) << 6000.0 << "C"
        << QStringList{"Pixels", "Millimeters"} << "105.8"
        << "52.9"
        << "Millimeters"
        << "....x.."
        << "Width:  105.8 Millimeters\r\nHeight:  52.9 Millimeters";
    QTest::newRow("tick: pixels before points")
        << "xx....." << false << start << 4515.0 << "C" << QStringList{"tick"} << "301"
        << ""
        << "Pixels"
        << "x......"
        << "Width:  301 Pixels\r\nHeight:   Pixels";
    QTest::newRow("tick: points before twips")
        << ".x....x" << false << start << 4515.0 << "C" << QStringList{"tick"} << "225.8"
        << ""
        << "Points"
        << ".x....."
        << "Width:  225.8 Points\r\nHeight:   Points";
    QTest::newRow("tick: centimetres before characters")
        << "..x..x." << false << start << 480.0 << "C" << QStringList{"tick"} << ".8"
        << ""
        << "Centimeters"
        << ".....x."
        << "Width:  .8 Centimeters\r\nHeight:   Centimeters";
    QTest::newRow("tick: inches before millimetres")
        << "...xx.." << false << start << 480.0 << "C" << QStringList{"tick"} << ".3"
        << ""
        << "Inches"
        << "...x..."
        << "Width:  .3 Inches\r\nHeight:   Inches";
    QTest::newRow("tick, no unit ticked: twips, no name")
        << "......." << false << start << 6000.0 << "C" << QStringList{"tick"} << "6000"
        << ""
        << ""
        << "......."
        << "Width:  6000 \r\nHeight:   ";
    QTest::newRow("vertical: the horizontal length always shown")
        << "x......" << true << start << 3000.0 << "C" << QStringList{"tick"} << "400"
        << "200"
        << "Pixels"
        << "x......"
        << "Width:  400 Pixels\r\nHeight:  200 Pixels";
    QTest::newRow("horizontal, vertical length changed")
        << "x......" << false << QPoint(9000, 3000) << 9000.0 << "C" << QStringList{"tick"} << "600"
        << "200"
        << "Pixels"
        << "x......"
        << "Width:  600 Pixels\r\nHeight:  200 Pixels";
    QTest::newRow("clear") << "x......" << false << QPoint(9000, 3000) << 9000.0 << "C"
                           << QStringList{"tick", "clear"} << ""
                           << ""
                           << "Pixels"
                           << "x......"
                           << "Width:   Pixels\r\nHeight:   Pixels";
    QTest::newRow("the tick after a clear") << "x......" << false << start << 6000.0 << "C"
                                            << QStringList{"tick", "clear", "tick"} << "400"
                                            << ""
                                            << "Pixels"
                                            << "x......"
                                            << "Width:  400 Pixels\r\nHeight:   Pixels";
    QTest::newRow("typed") << "x......" << false << start << 6000.0 << "C"
                           << QStringList{"tick", "typed 4007"} << "4007"
                           << ""
                           << "Pixels"
                           << "x......"
                           << "Width:  4007 Pixels\r\nHeight:   Pixels";
    QTest::newRow("the tick after typing") << "x......" << false << start << 6000.0 << "C"
                                           << QStringList{"tick", "typed 4007", "tick"} << "400"
                                           << ""
                                           << "Pixels"
                                           << "x......"
                                           << "Width:  400 Pixels\r\nHeight:   Pixels";
    QTest::newRow("comma locale, read back with its separator")
        << "x......" << false << start << 4522.5 << "de_DE" << QStringList{"Points"} << "226,1"
        << ""
        << "Points"
        << ".x....."
        << "Width:  226,1 Points\r\nHeight:   Points";
    QTest::newRow("comma locale, twips")
        << "......x" << false << start << 4522.5 << "de_DE" << QStringList{"tick"} << "4522,5"
        << ""
        << "Twips"
        << "......x"
        << "Width:  4522,5 Twips\r\nHeight:   Twips";
}

// The texts the ruler shows and copies, and the ticks of its unit entries,
// after its unit commands, slider ticks, Cl&ear and typing.
void tst_unitformats::measurement()
{
    QFETCH(QString, ticked);
    QFETCH(bool, vertical);
    QFETCH(QPoint, lengths);
    QFETCH(double, reported);
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QLocale::setDefault(QLocale(locale));
    Measurement measurement;
    measurement.setHorizontal(!vertical);
    measurement.setHorizontalLength(lengths.x());
    measurement.setVerticalLength(lengths.y());
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        measurement.setTicked(unit, ticked[unit] == QLatin1Char('x'));
    for (const QString &step : std::as_const(steps)) {
        if (step == QLatin1String("tick")) {
            measurement.followLength(float(reported));
        } else if (step == QLatin1String("clear")) {
            measurement.clear();
        } else if (step.startsWith(QLatin1String("typed "))) {
            measurement.setText1(step.mid(6));
        } else {
            int unit = 0;
            while (unit < ScaleUnits::Count && step != QLatin1String(ScaleUnits::unit(unit).name))
                ++unit;
            QVERIFY2(unit < ScaleUnits::Count, qPrintable(step));
            measurement.unitCommand(unit, float(reported));
        }
    }
    QLocale::setDefault(QLocale::c());
    QTEST(measurement.Text1(), "width");
    QTEST(measurement.Text2(), "height");
    QTEST(measurement.Text5(), "unit");
    QString ticks;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        ticks += measurement.isTicked(unit) ? QLatin1Char('x') : QLatin1Char('.');
    QTEST(ticks, "ticks");
    QTEST(measurement.copyText(), "copy");
}

QTEST_GUILESS_MAIN(tst_unitformats)
#include "tst_unitformats.moc"
