#include "ruler/ScaleUnit.h"
#include "ruler/UnitFormats.h"

#include <QTest>

class TestUnitFormats : public QObject
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
};

void TestUnitFormats::formats_data()
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

void TestUnitFormats::formats()
{
    QFETCH(double, value);
    QFETCH(QString, whole);
    QFETCH(QString, tenths);
    const QLocale c(QLocale::C);
    QCOMPARE(UnitFormats::wholeText(value, c), whole);
    QCOMPARE(UnitFormats::tenthsText(value, c), tenths);
}

void TestUnitFormats::readouts_data()
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

void TestUnitFormats::readouts()
{
    QFETCH(double, twips);
    QFETCH(int, unit);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(ScaleUnits::unit(unit).readout(twips), expected);
}

void TestUnitFormats::commaLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(UnitFormats::tenthsText(4.1666, german), QStringLiteral("4,2"));
    QCOMPARE(UnitFormats::tenthsText(0, german), QStringLiteral(","));
    QCOMPARE(UnitFormats::wholeText(1234567, german), QStringLiteral("1234567"));
    QCOMPARE(UnitFormats::singleText(7.5f, german), QStringLiteral("7,5"));
    QCOMPARE(UnitFormats::readoutValue(QStringLiteral("7,5"), german), std::optional<double>(7.5));
}

void TestUnitFormats::readoutValues_data()
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

void TestUnitFormats::readoutValues()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> read = UnitFormats::readoutValue(text, QLocale::c());
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

QTEST_GUILESS_MAIN(TestUnitFormats)
#include "tst_unitformats.moc"
