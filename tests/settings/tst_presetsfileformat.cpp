#include "settings/PresetsFileFormat.h"
#include "settings/PresetsReader.h"

#include <QTest>

namespace {

// The keys of section Presets asked for, from the text read in pieces of
// pieceSize bytes.
QMap<QString, QString> readText(const QByteArray &text, const QStringList &keys,
                                qsizetype pieceSize = 4096)
{
    PresetsReader reader(QStringLiteral("Presets"), keys);
    for (qsizetype at = 0; at < text.size(); at += pieceSize)
        reader.read(text.constData() + at, std::min(pieceSize, text.size() - at));
    return reader.finish();
}

QByteArray writeMap(const QMap<QString, QString> &map)
{
    return PresetsFileFormat::sectionText(QStringLiteral("Presets"), map);
}

} // namespace

class tst_presetsfileformat : public QObject
{
    Q_OBJECT
private slots:
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void writesPlainValuesPlainly();
    void damagedLinesCostOnlyTheirKey();
    void readsFilesOfQtsOwnFormat();
    void oddKeysStayOnTheirLine();
    void readsOnlyTheKeysAskedFor_data();
    void readsOnlyTheKeysAskedFor();
};

void tst_presetsfileformat::valuesRoundTrip_data()
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

void tst_presetsfileformat::valuesRoundTrip()
{
    QFETCH(QString, value);
    const QByteArray text = writeMap({{"Key", value}, {"Next", "True"}});
    QCOMPARE(text.count('\n'), 3); // the section and one line a key
    for (const qsizetype piece : {1, 2, 3, 5, 4096}) {
        const QMap<QString, QString> read = readText(text, {"Key", "Next"}, piece);
        QCOMPARE(read.value("Key"), value);
        QCOMPARE(read.value("Next"), QStringLiteral("True"));
    }
}

void tst_presetsfileformat::writesPlainValuesPlainly()
{
    QCOMPARE(writeMap({{"Pix", "True"}, {"X_L", "1500"}, {"X_T", "-45"}}),
             QByteArray("[Presets]\nPix=True\nX_L=1500\nX_T=-45\n"));
}

void tst_presetsfileformat::damagedLinesCostOnlyTheirKey()
{
    const QMap<QString, QString> map = readText("[Presets]\n"
                                                "Pix=\"True\n"
                                                "Points=True\n"
                                                "X_L=12\\\n"
                                                "X_T=30\r\n"
                                                "\x01\x02=\xff\xfe\n"
                                                "no equals sign here\n"
                                                "Inch=True\n",
                                                {"Pix", "Points", "X_L", "X_T", "Inch"});
    QCOMPARE(map.value("Points"), QStringLiteral("True"));
    QCOMPARE(map.value("X_T"), QStringLiteral("30"));
    QCOMPARE(map.value("Inch"), QStringLiteral("True"));
    QCOMPARE(map.value("Pix"), QStringLiteral("\"True"));
    QCOMPARE(map.value("X_L"), QStringLiteral("12\\"));
}

void tst_presetsfileformat::readsFilesOfQtsOwnFormat()
{
    const QMap<QString, QString> map = readText(
        "[General]\nzz=1\n\n[Presets]\nH1=255\nS_L=\" 1500\"\n; a comment\n", {"zz", "H1", "S_L"});
    QCOMPARE(map, (QMap<QString, QString>{{"H1", "255"}, {"S_L", " 1500"}}));
    QCOMPARE(writeMap(map), QByteArray("[Presets]\nH1=255\nS_L=\" 1500\"\n"));
}

void tst_presetsfileformat::oddKeysStayOnTheirLine()
{
    const QString oddKey = QStringLiteral("a=b]\n[c");
    const QByteArray text = writeMap({{oddKey, "v"}});
    QCOMPARE(text.count('\n'), 2);
    QCOMPARE(readText(text, {oddKey}).value(oddKey), QStringLiteral("v"));
}

// Whatever else a file holds, and however the text comes in pieces, only
// the keys asked for in their own section are taken.
void tst_presetsfileformat::readsOnlyTheKeysAskedFor_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("found"); // "key=value" of the keys Pix and X_L, blank-separated

    QTest::newRow("own section only")
        << QByteArray("Pix=1\n[Other]\nPix=2\n[Presets]\nX_L=3\n") << "X_L=3";
    QTest::newRow("the last of a key twice")
        << QByteArray("[Presets]\nX_L=1\n[A]\n[Presets]\nX_L=2") << "X_L=2";
    QTest::newRow("blanks around names")
        << QByteArray(" [ Presets ] \n\t Pix \t= True \n") << "Pix=True";
    QTest::newRow("names percent-encoded")
        << QByteArray("[%50resets]\n%50ix=True\nX%5FL=7\n") << "Pix=True X_L=7";
    QTest::newRow("names alike") << QByteArray("[Presets]\nPixel=1\nPi=2\nX_L_=3\nx_l=4\n") << "";
    QTest::newRow("no line end at the end") << QByteArray("[Presets]\nX_L=15") << "X_L=15";
    QTest::newRow("CR LF") << QByteArray("[Presets]\r\nPix=False\r\n") << "Pix=False";
    QTest::newRow("CR alone") << QByteArray("[Presets]\rPix=False\rX_L=2") << "Pix=False X_L=2";
    QTest::newRow("byte-order mark")
        << QByteArray("\xef\xbb\xbf[Presets]\nPix=1\n\xef\xbb\xbfX_L=2\n") << "Pix=1";
    QTest::newRow("comments after ';'")
        << QByteArray("[Presets] ;c\nPix = \"a;b\" ; c\n;X_L=1\nX_L=2;\n") << "Pix=a;b X_L=2";
    QTest::newRow("a line longer than any value")
        << "[Presets]\nX_L=" + QByteArray(200000, '9') + "\nPix=True\n"
        << "Pix=True X_L=" + QString(64 * 1024 - 4, QLatin1Char('9'));
    QTest::newRow("junk lines") << "[Presets]\n" +
                                       QByteArray("key=value\n[Other]\n").repeated(5000) +
                                       "[Presets]\nPix=1\n"
                                << "Pix=1";
}

void tst_presetsfileformat::readsOnlyTheKeysAskedFor()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, found);

    for (const qsizetype piece : {1, 7, 4096, 1 << 20}) {
        const QMap<QString, QString> map = readText(text, {"Pix", "X_L"}, piece);
        QStringList pairs;
        for (auto value = map.cbegin(); value != map.cend(); ++value)
            pairs << value.key() + QLatin1Char('=') + value.value();
        QCOMPARE(pairs.join(QLatin1Char(' ')), found);
    }
}

QTEST_GUILESS_MAIN(tst_presetsfileformat)
#include "tst_presetsfileformat.moc"
