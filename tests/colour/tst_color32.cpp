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
    void hexDigits_data();
    void hexDigits();
    void showChannelsWritesEachReadout();
    void samplingReadsThePixelUnderThePointer();
    void samplingTakesNothingFromEarlierCalls();
    void realSamplerWithoutAnXServerReadsNothing();
};

void tst_color32::notations_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("padded");
    QTest::addColumn<QString>("rgbHex");
    QTest::addColumn<QString>("paletteIndex");
    QTest::addColumn<QString>("constantName");
    QTest::addColumn<qint64>("blue");
    QTest::addColumn<qint64>("green");
    QTest::addColumn<qint64>("red");

    const auto row = [](const char *name, qint32 value, const char *hex, const char *padded,
                        const char *rgbHex, const char *paletteIndex, const char *constantName,
                        qint64 blue, qint64 green, qint64 red) {
        QTest::newRow(name) << value << QString(hex) << QString(padded) << QString(rgbHex)
                            << QString(paletteIndex) << QString(constantName) << blue << green
                            << red;
    };
    row("black", 0, "0", "000000", "000000", "0", "vbBlack", 0, 0, 0);
    row("pure red", 255, "FF", "0000FF", "FF0000", "12", "vbRed", 0, 0, 255);
    row("blue below 16", 1015872, "F8040", "0F8040", "40800F", "n/a", "n/a", 15, 128, 64);
    row("18,52,86", 5649426, "563412", "563412", "123456", "n/a", "n/a", 86, 52, 18);
    row("light grey", 12632256, "C0C0C0", "C0C0C0", "C0C0C0", "7", "n/a", 192, 192, 192);
    row("dark grey", 8421504, "808080", "808080", "808080", "8", "n/a", 128, 128, 128);
    row("olive", 32896, "8080", "008080", "808000", "6", "n/a", 0, 128, 128);
    row("in neither table", 66051, "10203", "010203", "030201", "n/a", "n/a", 1, 2, 3);
    row("one step off palette red", 254, "FE", "0000FE", "FE0000", "n/a", "n/a", 0, 0, 254);
    row("pure green", 65280, "FF00", "00FF00", "00FF00", "10", "vbGreen", 0, 255, 0);
    row("pure blue", 16711680, "FF0000", "FF0000", "0000FF", "9", "vbBlue", 255, 0, 0);
    row("yellow", 65535, "FFFF", "00FFFF", "FFFF00", "14", "vbYellow", 0, 255, 255);
    row("magenta", 16711935, "FF00FF", "FF00FF", "FF00FF", "13", "vbMagenta", 255, 0, 255);
    row("cyan", 16776960, "FFFF00", "FFFF00", "00FFFF", "11", "vbCyan", 255, 255, 0);
    row("white", 16777215, "FFFFFF", "FFFFFF", "FFFFFF", "15", "vbWhite", 255, 255, 255);
    row("unreadable", -1, "FFFFFFFF", "FFFFFFFF", "FFFFFF", "n/a", "n/a", -1, 255, 255);
    row("most negative", qint32(INT32_MIN), "80000000", "80000000", "000080", "n/a", "n/a", -32768,
        0, 0);
}

void tst_color32::notations()
{
    QFETCH(qint32, value);
    QFETCH(QString, hex);
    QFETCH(QString, padded);
    QFETCH(QString, rgbHex);
    QFETCH(QString, paletteIndex);
    QFETCH(QString, constantName);
    QFETCH(qint64, blue);
    QFETCH(qint64, green);
    QFETCH(qint64, red);

    QCOMPARE(color32::decimalText(value), QString::number(value));
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

// PadHex6 pads to six digits; SwapHexPairs turns the pairs of six around.
void tst_color32::hexDigits_data()
{
    QTest::addColumn<bool>("swap"); // SwapHexPairs, else PadHex6
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");

    // clang-format off
    QTest::newRow("pad, empty") << false << "" << "";
    QTest::newRow("pad, one") << false << "7" << "000007";
    QTest::newRow("pad, two") << false << "FF" << "0000FF";
    QTest::newRow("pad, three") << false << "ABC" << "000ABC";
    QTest::newRow("pad, four") << false << "8080" << "008080";
    QTest::newRow("pad, five") << false << "F8040" << "0F8040";
    QTest::newRow("pad, six") << false << "563412" << "563412";
    QTest::newRow("pad, seven") << false << "1234567" << "1234567";
    QTest::newRow("pad, eight") << false << "FFFFFFFF" << "FFFFFFFF";
    QTest::newRow("swap, lone zero") << true << "0" << "000000";
    QTest::newRow("swap, six digits") << true << "563412" << "123456";
    QTest::newRow("swap, padded red") << true << "0000FF" << "FF0000";
    QTest::newRow("swap, unpadded keeps what exists") << true << "F8040" << "004F8";
    QTest::newRow("swap, two digits") << true << "FF" << "FF";
    QTest::newRow("swap, eight digits") << true << "FFFFFFFF" << "FFFFFF";
    QTest::newRow("swap, empty") << true << "" << "";
    // clang-format on
}

void tst_color32::hexDigits()
{
    QFETCH(bool, swap);
    QFETCH(QString, input);
    QTEST(swap ? color32::SwapHexPairs(input) : color32::PadHex6(input), "result");
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
