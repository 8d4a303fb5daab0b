#include "Form1Checks.h"
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
    // clang-format off
    QTest::newRow("300") << 300.0 << "300" << "300.";
    QTest::newRow("4.1666") << 4.1666 << "4" << "4.2";
    QTest::newRow("0.333") << 0.333 << "" << ".3";
    QTest::newRow("zero") << 0.0 << "" << ".";
    QTest::newRow("half away from zero") << 2.5 << "3" << "2.5";
    QTest::newRow("tenths half") << 0.25 << "" << ".3";
    QTest::newRow("just under a half") << 0.449 << "" << ".4";
    QTest::newRow("rounds up to whole") << 9.96 << "10" << "10.";
    QTest::newRow("more than six digits") << 1234567.0 << "1234567" << "1234567.";
    QTest::newRow("negative") << -2.5 << "-3" << "-2.5";
    // clang-format on
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
    // clang-format off
    QTest::newRow("ApplyPixels") << int(Pixels) << "6000" << "3000" << "400" << "200";
    QTest::newRow("ApplyPixels, zero") << int(Pixels) << "0" << "7" << "" << "";
    QTest::newRow("ApplyPoints, empty height left")
        << int(Points) << "6000" << "" << "300." << "";
    QTest::newRow("ApplyCharacters") << int(Characters) << "480" << "120" << "4." << "1.";
    QTest::newRow("ApplyInches, typed words left")
        << int(Inches) << "abc" << "1440" << "abc" << "1.";
    QTest::newRow("ApplyMillimeters, a separator alone left")
        << int(Millimeters) << "." << "24120" << "." << "425.5";
    QTest::newRow("ApplyCentimeters, neither a number") << int(Centimeters) << "" << "x" << "" << "x";
    // clang-format on
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
    const QPoint start(6000, 6000);
    const auto row = [](const char *name, const char *ticked, bool vertical, QPoint lengths,
                        double reported, const char *locale, const QStringList &steps,
                        const char *width, const char *height, const char *unit,
                        const char *ticks) {
        QTest::newRow(name) << QString(ticked) << vertical << lengths << reported << QString(locale)
                            << steps << QString(width) << QString(height) << QString(unit)
                            << QString(ticks);
    };
    row("copy before anything", "x......", false, start, 6000, "C", {}, "", "", "", "x......");
    row("pixels", "x......", false, start, 6000, "C", {"Pixels"}, "400", "", "Pixels", "x......");
    row("points twice starts from twips again", "x......", false, start, 6000, "C",
        {"Points", "Points"}, "300.", "", "Points", ".x.....");
    row("twips, every other unit unticked", "xxxxxx.", false, start, 6000, "C", {"Twips"}, "6000",
        "", "Twips", "......x");
    row("millimetres after pixels, the height from twips", "x......", false, QPoint(6000, 3000),
        6000, "C", {"Pixels", "Millimeters"}, "105.8", "52.9", "Millimeters", "....x..");
    row("tick: pixels before points", "xx.....", false, start, 4515, "C", {"tick"}, "301", "",
        "Pixels", "x......");
    row("tick: points before twips", ".x....x", false, start, 4515, "C", {"tick"}, "225.8", "",
        "Points", ".x.....");
    row("tick: centimetres before characters", "..x..x.", false, start, 480, "C", {"tick"}, ".8",
        "", "Centimeters", ".....x.");
    row("tick: inches before millimetres", "...xx..", false, start, 480, "C", {"tick"}, ".3", "",
        "Inches", "...x...");
    row("tick, no unit ticked: twips, no name", ".......", false, start, 6000, "C", {"tick"},
        "6000", "", "", ".......");
    row("vertical: the horizontal length always shown", "x......", true, start, 3000, "C", {"tick"},
        "400", "200", "Pixels", "x......");
    row("horizontal, vertical length changed", "x......", false, QPoint(9000, 3000), 9000, "C",
        {"tick"}, "600", "200", "Pixels", "x......");
    row("clear", "x......", false, QPoint(9000, 3000), 9000, "C", {"tick", "clear"}, "", "",
        "Pixels", "x......");
    row("the tick after a clear", "x......", false, start, 6000, "C", {"tick", "clear", "tick"},
        "400", "", "Pixels", "x......");
    row("typed", "x......", false, start, 6000, "C", {"tick", "typed 4007"}, "4007", "", "Pixels",
        "x......");
    row("the tick after typing", "x......", false, start, 6000, "C", {"tick", "typed 4007", "tick"},
        "400", "", "Pixels", "x......");
    row("comma locale, read back with its separator", "x......", false, start, 4522.5, "de_DE",
        {"Points"}, "226,1", "", "Points", ".x.....");
    row("comma locale, twips", "......x", false, start, 4522.5, "de_DE", {"tick"}, "4522,5", "",
        "Twips", "......x");
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
    QTEST(ticks(measurement), "ticks");
    // The copy holds the readouts as they stand, each with the unit's name.
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, unit);
    QCOMPARE(measurement.copyText(),
             QStringLiteral("Width:  %1 %3\r\nHeight:  %2 %3").arg(width, height, unit));
}

QTEST_GUILESS_MAIN(tst_unitformats)
#include "tst_unitformats.moc"
