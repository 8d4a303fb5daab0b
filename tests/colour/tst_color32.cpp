#include "FakeServices.h"
#include "colour/color32.h"
#include "platform/x11/X11ScreenSampler.h"

#include <QLabel>
#include <QtTest>

class tst_color32 : public QObject
{
    Q_OBJECT
private slots:
    void notations_data();
    void notations();
    void palette_data();
    void palette();
    void padHex6_data();
    void padHex6();
    void swapHexPairs_data();
    void swapHexPairs();
    void showChannelsWritesEachReadout();
    void samplingReadsThePixelUnderThePointer();
    void samplingTakesNothingFromEarlierCalls();
    void realSamplerWithoutAnXServerReadsNothing();
};

void tst_color32::notations_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("padded");
    QTest::addColumn<QString>("rgbHex");
    QTest::addColumn<QString>("paletteIndex");
    QTest::addColumn<QString>("constantName");
    QTest::addColumn<qint64>("blue");
    QTest::addColumn<qint64>("green");
    QTest::addColumn<qint64>("red");

    QTest::newRow("black") << 0 << "0"
                           << "0"
                           << "000000"
                           << "000000"
                           << "0"
                           << "vbBlack" << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("pure red") << 255 << "255"
                              << "FF"
                              << "0000FF"
                              << "FF0000"
                              << "12"
                              << "vbRed" << qint64(0) << qint64(0) << qint64(255);
    QTest::newRow("blue below 16") << 1015872 << "1015872"
                                   << "F8040"
                                   << "0F8040"
                                   << "40800F"
                                   << "n/a"
                                   << "n/a" << qint64(15) << qint64(128) << qint64(64);
    QTest::newRow("18,52,86") << 5649426 << "5649426"
                              << "563412"
                              << "563412"
                              << "123456"
                              << "n/a"
                              << "n/a" << qint64(86) << qint64(52) << qint64(18);
    QTest::newRow("light grey") << 12632256 << "12632256"
                                << "C0C0C0"
                                << "C0C0C0"
                                << "C0C0C0"
                                << "7"
                                << "n/a" << qint64(192) << qint64(192) << qint64(192);
    QTest::newRow("dark grey") << 8421504 << "8421504"
                               << "808080"
                               << "808080"
                               << "808080"
                               << "8"
                               << "n/a" << qint64(128) << qint64(128) << qint64(128);
    QTest::newRow("olive") << 32896 << "32896"
                           << "8080"
                           << "008080"
                           << "808000"
                           << "6"
                           << "n/a" << qint64(0) << qint64(128) << qint64(128);
    QTest::newRow("in neither table") << 66051 << "66051"
                                      << "10203"
                                      << "010203"
                                      << "030201"
                                      << "n/a"
                                      << "n/a" << qint64(1) << qint64(2) << qint64(3);
    QTest::newRow("one step off palette red") << 254 << "254"
                                              << "FE"
                                              << "0000FE"
                                              << "FE0000"
                                              << "n/a"
                                              << "n/a" << qint64(0) << qint64(0) << qint64(254);
    QTest::newRow("pure green") << 65280 << "65280"
                                << "FF00"
                                << "00FF00"
                                << "00FF00"
                                << "10"
                                << "vbGreen" << qint64(0) << qint64(255) << qint64(0);
    QTest::newRow("pure blue") << 16711680 << "16711680"
                               << "FF0000"
                               << "FF0000"
                               << "0000FF"
                               << "9"
                               << "vbBlue" << qint64(255) << qint64(0) << qint64(0);
    QTest::newRow("yellow") << 65535 << "65535"
                            << "FFFF"
                            << "00FFFF"
                            << "FFFF00"
                            << "14"
                            << "vbYellow" << qint64(0) << qint64(255) << qint64(255);
    QTest::newRow("magenta") << 16711935 << "16711935"
                             << "FF00FF"
                             << "FF00FF"
                             << "FF00FF"
                             << "13"
                             << "vbMagenta" << qint64(255) << qint64(0) << qint64(255);
    QTest::newRow("cyan") << 16776960 << "16776960"
                          << "FFFF00"
                          << "FFFF00"
                          << "00FFFF"
                          << "11"
                          << "vbCyan" << qint64(255) << qint64(255) << qint64(0);
    QTest::newRow("white") << 16777215 << "16777215"
                           << "FFFFFF"
                           << "FFFFFF"
                           << "FFFFFF"
                           << "15"
                           << "vbWhite" << qint64(255) << qint64(255) << qint64(255);
    QTest::newRow("unreadable") << -1 << "-1"
                                << "FFFFFFFF"
                                << "FFFFFFFF"
                                << "FFFFFF"
                                << "n/a"
                                << "n/a" << qint64(-1) << qint64(255) << qint64(255);
    QTest::newRow("most negative") << qint32(INT32_MIN) << "-2147483648"
                                   << "80000000"
                                   << "80000000"
                                   << "000080"
                                   << "n/a"
                                   << "n/a" << qint64(-32768) << qint64(0) << qint64(0);
}

void tst_color32::notations()
{
    QFETCH(qint32, value);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QFETCH(QString, padded);
    QFETCH(QString, rgbHex);
    QFETCH(QString, paletteIndex);
    QFETCH(QString, constantName);
    QFETCH(qint64, blue);
    QFETCH(qint64, green);
    QFETCH(qint64, red);

    QCOMPARE(color32::decimalText(value), decimal);
    QCOMPARE(color32::hexText(value), hex);
    QCOMPARE(color32::PadHex6(hex), padded);
    QCOMPARE(color32::rgbHex(value), rgbHex);
    QCOMPARE(color32::paletteIndexOf(value), paletteIndex);
    QCOMPARE(color32::colorConstantNameOf(value), constantName);
    const color32::Channels channels = color32::splitChannels(value);
    QCOMPARE(channels.blue, blue);
    QCOMPARE(channels.green, green);
    QCOMPARE(channels.red, red);
    if (value >= 0)
        QCOMPARE(color32::colorValue(int(red), int(green), int(blue)), value);
}

void tst_color32::palette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("hex");

    const int rows[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                             {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                             {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                             {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    const char *hexTexts[16] = {"0",    "800000", "8000",   "808000", "80",   "800080",
                                "8080", "C0C0C0", "808080", "FF0000", "FF00", "FFFF00",
                                "FF",   "FF00FF", "FFFF",   "FFFFFF"};
    for (int index = 0; index < 16; ++index) {
        QTest::addRow("%d", index) << index << rows[index][0] << rows[index][1] << rows[index][2]
                                   << QString::fromLatin1(hexTexts[index]);
    }
}

void tst_color32::palette()
{
    QFETCH(int, index);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, hex);

    const qint32 value = color32::colorValue(red, green, blue);
    QCOMPARE(color32::palette().at(std::size_t(index)), value);
    QCOMPARE(color32::hexText(value), hex);
    QCOMPARE(color32::paletteIndexOf(value), QString::number(index));
}

void tst_color32::padHex6_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one") << "7"
                         << "000007";
    QTest::newRow("two") << "FF"
                         << "0000FF";
    QTest::newRow("three") << "ABC"
                           << "000ABC";
    QTest::newRow("four") << "8080"
                          << "008080";
    QTest::newRow("five") << "F8040"
                          << "0F8040";
    QTest::newRow("six") << "563412"
                         << "563412";
    QTest::newRow("seven") << "1234567"
                           << "1234567";
    QTest::newRow("eight") << "FFFFFFFF"
                           << "FFFFFFFF";
}

void tst_color32::padHex6()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    QCOMPARE(color32::PadHex6(input), result);
}

void tst_color32::swapHexPairs_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");

    QTest::newRow("lone zero") << "0"
                               << "000000";
    QTest::newRow("six digits") << "563412"
                                << "123456";
    QTest::newRow("padded red") << "0000FF"
                                << "FF0000";
    QTest::newRow("unpadded keeps what exists") << "F8040"
                                                << "004F8";
    QTest::newRow("two digits") << "FF"
                                << "FF";
    QTest::newRow("eight digits") << "FFFFFFFF"
                                  << "FFFFFF";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_color32::swapHexPairs()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    QCOMPARE(color32::SwapHexPairs(input), result);
}

void tst_color32::showChannelsWritesEachReadout()
{
    QLabel blue, green, red;
    color32::ShowChannels(-1, &blue, &green, &red);
    QCOMPARE(blue.text(), QStringLiteral("-1"));
    QCOMPARE(green.text(), QStringLiteral("255"));
    QCOMPARE(red.text(), QStringLiteral("255"));

    color32::ShowChannels(5649426, &blue, &green, &red);
    QCOMPARE(blue.text(), QStringLiteral("86"));
    QCOMPARE(green.text(), QStringLiteral("52"));
    QCOMPARE(red.text(), QStringLiteral("18"));
}

void tst_color32::samplingReadsThePixelUnderThePointer()
{
    ScopedFakeServices fakes;
    fakes.sampler.pointer = QPoint(-40, 700);
    fakes.sampler.pixel = [](QPoint at) { return at == QPoint(-40, 700) ? 255 : 0; };

    QCOMPARE(color32::PointerX(), -40);
    QCOMPARE(color32::PointerY(), 700);
    QCOMPARE(color32::ReadPixelColor(), 255);
    QCOMPARE(color32::PaletteIndex(), QStringLiteral("12"));
    QCOMPARE(color32::ColorConstantName(), QStringLiteral("vbRed"));
    const color32::Sample sample = color32::takeSample();
    QCOMPARE(sample.pointer, QPoint(-40, 700));
    QCOMPARE(sample.color, 255);

    fakes.sampler.pixel = [](QPoint) { return -1; };
    QCOMPARE(color32::ReadPixelColor(), -1);
    QCOMPARE(color32::PaletteIndex(), QStringLiteral("n/a"));
    QCOMPARE(color32::ColorConstantName(), QStringLiteral("n/a"));
}

void tst_color32::samplingTakesNothingFromEarlierCalls()
{
    ScopedFakeServices fakes;
    fakes.sampler.pixel = [](QPoint at) { return at.x() == 1 ? 12632256 : 8421504; };

    fakes.sampler.pointer = QPoint(1, 1);
    QCOMPARE(color32::PaletteIndex(), QStringLiteral("7"));
    fakes.sampler.pointer = QPoint(2, 1);
    QCOMPARE(color32::PaletteIndex(), QStringLiteral("8"));
    QCOMPARE(fakes.sampler.pixelReads, 2);
    QCOMPARE(fakes.sampler.pointerReads, 2);
}

// Another platform plugin than xcb: no pixel can be read, and asking must
// neither crash nor make one up.
void tst_color32::realSamplerWithoutAnXServerReadsNothing()
{
    X11ScreenSampler sampler;
    for (const QPoint point : {QPoint(0, 0), QPoint(10, 10), QPoint(-5, 3), QPoint(99999, 1)})
        QCOMPARE(sampler.pixelColor(point), -1);
}

QTEST_MAIN(tst_color32)
#include "tst_color32.moc"
