#include "settings/PresetsFileFormat.h"

#include <QBuffer>
#include <QTest>

namespace {

QSettings::SettingsMap readText(const QByteArray &text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    PresetsFileFormat::read(buffer, map);
    return map;
}

QByteArray writeMap(const QSettings::SettingsMap &map)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PresetsFileFormat::write(buffer, map);
    return buffer.data();
}

} // namespace

class TestPresetsFileFormat : public QObject
{
    Q_OBJECT
private slots:
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void writesPlainValuesPlainly();
    void damagedLinesCostOnlyTheirKey();
    void readsFilesOfQtsOwnFormat();
    void oddKeysStayOnTheirLine();
};

void TestPresetsFileFormat::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("truth word") << "True";
    QTest::newRow("position") << "-45";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks around") << " x ";
    QTest::newRow("comma") << "1,5";
    QTest::newRow("quotes") << "say \"hi\"";
    QTest::newRow("backslash") << "C:\\tmp\\";
    QTest::newRow("line breaks") << "one\ntwo\r\nthree";
    QTest::newRow("control bytes") << QString::fromLatin1("\x01\x02\x1f\x7f", 4);
    QTest::newRow("not ascii") << QString::fromUtf8("é ✓");
    QTest::newRow("comment marks") << "a;b#c";
    QTest::newRow("equals") << "a=b";
}

void TestPresetsFileFormat::valuesRoundTrip()
{
    QFETCH(QString, value);
    const QSettings::SettingsMap map{{"Presets/Key", value}, {"Presets/Next", "True"}};
    const QByteArray text = writeMap(map);
    QCOMPARE(text.count('\n'), 3); // the section and one line a key
    const QSettings::SettingsMap read = readText(text);
    QCOMPARE(read.value("Presets/Key").toString(), value);
    QCOMPARE(read.value("Presets/Next").toString(), QStringLiteral("True"));
}

void TestPresetsFileFormat::writesPlainValuesPlainly()
{
    const QSettings::SettingsMap map{
        {"Presets/Pix", "True"}, {"Presets/X_L", "1500"}, {"Presets/X_T", "-45"}};
    QCOMPARE(writeMap(map), QByteArray("[Presets]\nPix=True\nX_L=1500\nX_T=-45\n"));
}

void TestPresetsFileFormat::damagedLinesCostOnlyTheirKey()
{
    const QSettings::SettingsMap map = readText("[Presets]\n"
                                                "Pix=\"True\n"
                                                "Points=True\n"
                                                "X_L=12\\\n"
                                                "X_T=30\r\n"
                                                "\x01\x02=\xff\xfe\n"
                                                "no equals sign here\n"
                                                "Inch=True\n");
    QCOMPARE(map.value("Presets/Points").toString(), QStringLiteral("True"));
    QCOMPARE(map.value("Presets/X_T").toString(), QStringLiteral("30"));
    QCOMPARE(map.value("Presets/Inch").toString(), QStringLiteral("True"));
    QCOMPARE(map.value("Presets/Pix").toString(), QStringLiteral("\"True"));
    QCOMPARE(map.value("Presets/X_L").toString(), QStringLiteral("12\\"));
}

void TestPresetsFileFormat::readsFilesOfQtsOwnFormat()
{
    const QSettings::SettingsMap map =
        readText("[General]\nzz=1\n\n[Presets]\nH1=255\nS_L=\" 1500\"\n; a comment\n");
    QCOMPARE(map.value("zz").toString(), QStringLiteral("1"));
    QCOMPARE(map.value("Presets/H1").toString(), QStringLiteral("255"));
    QCOMPARE(map.value("Presets/S_L").toString(), QStringLiteral(" 1500"));
    QCOMPARE(writeMap(map), QByteArray("[General]\nzz=1\n\n[Presets]\nH1=255\nS_L=\" 1500\"\n"));
}

void TestPresetsFileFormat::oddKeysStayOnTheirLine()
{
    const QString oddKey = QStringLiteral("a=b]\n[c");
    const QSettings::SettingsMap map{{"Presets/" + oddKey, "v"}};
    const QByteArray text = writeMap(map);
    QCOMPARE(text.count('\n'), 2);
    QCOMPARE(readText(text).value("Presets/" + oddKey).toString(), QStringLiteral("v"));
}

QTEST_GUILESS_MAIN(TestPresetsFileFormat)
#include "tst_presetsfileformat.moc"
