#include "FakeServices.h"
#include "settings/SettingConversions.h"
#include "settings/Settings.h"
#include "settings/SettingsReading.h"
#include "settings/SettingsWriting.h"

#include <QTest>

using namespace SettingConversions;

class tst_settings : public QObject
{
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void truthWords_data();
    void truthWords();
    void singles_data();
    void singles();
    void numberReading_data();
    void numberReading();
};

namespace {

// What a window reads of the key: the value as text, "-" for nothing.
QString readBack(Settings::Key key)
{
    const SettingsReading reading({key});
    std::optional<double> value;
    switch (Settings::entry(key).type) {
    case Settings::Type::Truth:
        value = reading.truth(key);
        break;
    case Settings::Type::Edge:
        value = reading.edge(key);
        break;
    case Settings::Type::Integer:
        value = reading.integer(key);
        break;
    }
    return value ? QString::number(*value) : QStringLiteral("-");
}

void write(Settings::Key key, double value)
{
    SettingsWriting writing;
    switch (Settings::entry(key).type) {
    case Settings::Type::Truth:
        writing.truth(key, value != 0);
        break;
    case Settings::Type::Edge:
        writing.edge(key, float(value));
        break;
    case Settings::Type::Integer:
        writing.integer(key, int(value));
        break;
    }
    writing.save();
}

} // namespace

// Every key of the store: its name, what a window reads while it is absent,
// and the text a value is written as, which reads back as the same value.
void tst_settings::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("absent");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    using namespace Settings;
    const QList<std::tuple<Key, const char *, const char *, double, const char *>> rows = {
        {Pix, "Pix", "1", 0, "False"},      {Points, "Points", "0", 1, "True"},
        {Charac, "Charac", "0", 1, "True"}, {Inch, "Inch", "0", 1, "True"},
        {Milli, "Milli", "0", 1, "True"},   {Centi, "Centi", "0", 1, "True"},
        {Twips, "Twips", "0", 1, "True"},   {X_L, "X_L", "-", -45, "-45"},
        {X_T, "X_T", "-", 1500, "1500"},    {S_L, "S_L", "-", 2250000, "2250000"},
        {S_T, "S_T", "-", 0.1, "0.1"},      {M_L, "M_L", "-", -0.0, "0"},
        {M_T, "M_T", "-", 7500, "7500"},    {H1, "H1", "0", 255, "255"},
        {H2, "H2", "0", 128, "128"},        {H3, "H3", "0", 0, "0"},
    };
    for (const auto &[key, name, absent, value, text] : rows)
        QTest::newRow(name) << int(key) << name << absent << value << text;
}

void tst_settings::keys()
{
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(QString, absent);
    QFETCH(double, value);
    QFETCH(QString, text);
    ScopedFakeServices fakes;
    QCOMPARE(Settings::name(Settings::Key(key)), name);
    QCOMPARE(readBack(Settings::Key(key)), absent);
    write(Settings::Key(key), value);
    QCOMPARE(fakes.settings.writes, QStringList{name + QLatin1Char('=') + text});
    QCOMPARE(readBack(Settings::Key(key)), QString::number(float(value) == 0 ? 0 : float(value)));
    QCOMPARE(Settings::allNames().indexOf(name), key);
}

// 0 false, 1 true, -1 not a truth value
void tst_settings::truthWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("upper") << "TRUE" << 1;
    QTest::newRow("lower") << "false" << 0;
    QTest::newRow("blanks") << " True " << 1;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("fraction") << "0.5" << 1;
    QTest::newRow("huge number") << "1e40" << 1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("nan") << "nan" << -1;
    QTest::newRow("inf") << "inf" << -1;
    QTest::newRow("overflow") << "1e400" << -1;
    QTest::newRow("hex") << "0x10" << -1;
    QTest::newRow("comma") << "1,5" << -1;
    QTest::newRow("binary") << QString::fromLatin1("\x01\xff\x7f", 3) << -1;
    QTest::newRow("300 characters") << QString(300, QLatin1Char('1')) << -1;
}

void tst_settings::truthWords()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = truthFromText(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, expected);
}

void tst_settings::singles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1500.0f << "1500";
    QTest::newRow("negative") << -45.0f << "-45";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("minus zero") << -0.0f << "0";
    QTest::newRow("large whole") << 2250000.0f << "2250000";
    QTest::newRow("tenth") << 0.1f << "0.1";
    QTest::newRow("single precision") << 1.0f / 3.0f << "0.33333334";
}

void tst_settings::singles()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(singleText(value), text);
    QCOMPARE(singleFromText(text), std::optional<float>(value == 0.0f ? 0.0f : value));
}

// What the store's text reads as: a single, or a 16-bit integer rounded half
// to even.
void tst_settings::numberReading_data()
{
    QTest::addColumn<bool>("int16"); // read by int16FromText, else by singleFromText
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("single, integer") << false << "1500" << true << 1500.0;
    QTest::newRow("single, fraction") << false << "-22.5" << true << -22.5;
    QTest::newRow("single, exponent") << false << "1.5e3" << true << 1500.0;
    QTest::newRow("single, plus") << false << "+15" << true << 15.0;
    QTest::newRow("single, minus zero") << false << "-0" << true << 0.0;
    QTest::newRow("single, beyond single") << false << "1e40" << false << 0.0;
    QTest::newRow("single, empty") << false << "" << false << 0.0;
    QTest::newRow("single, nan") << false << "nan" << false << 0.0;
    QTest::newRow("single, inf") << false << "inf" << false << 0.0;
    QTest::newRow("single, garbage") << false << "12abc" << false << 0.0;
    QTest::newRow("single, comma") << false << "1,5" << false << 0.0;
    QTest::newRow("int16, byte") << true << "255" << true << 255.0;
    QTest::newRow("int16, out of a byte is still 16 bits") << true << "300" << true << 300.0;
    QTest::newRow("int16, half to even down") << true << "12.5" << true << 12.0;
    QTest::newRow("int16, half to even up") << true << "13.5" << true << 14.0;
    QTest::newRow("int16, largest") << true << "32767" << true << 32767.0;
    QTest::newRow("int16, beyond 16 bits") << true << "32768" << false << 0.0;
    QTest::newRow("int16, smallest") << true << "-32768" << true << -32768.0;
    QTest::newRow("int16, words") << true << "abc" << false << 0.0;
    QTest::newRow("int16, empty") << true << "" << false << 0.0;
}

void tst_settings::numberReading()
{
    QFETCH(bool, int16);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    std::optional<double> read;
    if (const std::optional<qint16> whole = int16FromText(text); int16 && whole)
        read = *whole;
    if (const std::optional<float> single = singleFromText(text); !int16 && single)
        read = *single;
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

QTEST_GUILESS_MAIN(tst_settings)
#include "tst_settings.moc"
