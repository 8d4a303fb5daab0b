#include "PaintedLook.h"
#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QTest>

// Whole pictures of the button in every style and look, pixel for pixel.

namespace {

// Letters of the expected pictures, in the fixed colours.
const QHash<QChar, QColor> &letters()
{
    static const QHash<QChar, QColor> map{
        {'F', QColor(192, 192, 192)}, {'W', QColor(255, 255, 255)}, {'K', QColor(0, 0, 0)},
        {'S', QColor(128, 128, 128)}, {'L', QColor(223, 223, 223)}, {'o', QColor(0, 60, 115)},
        {'k', QColor(16, 77, 123)},   {'A', QColor(140, 174, 231)}, {'B', QColor(107, 130, 239)},
        {'C', QColor(206, 231, 255)}, {'D', QColor(189, 215, 247)}, {'1', QColor(244, 244, 248)},
        {'3', QColor(223, 223, 234)}, {'5', QColor(201, 201, 219)}, {'6', QColor(191, 191, 212)},
        {'a', QColor(113, 113, 113)}, {'b', QColor(96, 96, 96)},    {'c', QColor(64, 64, 64)},
        {'P', QColor(204, 204, 204)}, {'E', QColor(102, 102, 102)}, {'e', QColor(154, 154, 154)},
        {'l', QColor(231, 231, 231)}, {'M', QColor(144, 144, 144)}, {'G', QColor(255, 178, 49)},
        {'H', QColor(231, 150, 0)},   {'I', QColor(255, 243, 206)}, {'J', QColor(255, 219, 140)},
        {'O', QColor(255, 203, 107)}, {'x', QColor(219, 219, 229)}, {'y', QColor(194, 194, 212)},
        {'z', QColor(182, 182, 204)}, {'Q', QColor(153, 186, 253)}, {'R', QColor(113, 138, 254)},
        {'T', QColor(208, 234, 255)}, {'U', QColor(191, 217, 250)}, {'p', QColor(246, 246, 249)},
        {'q', QColor(229, 229, 238)}, {'r', QColor(212, 212, 226)}, {'s', QColor(204, 204, 221)},
    };
    return map;
}

QStringList differences(const QImage &image, const QStringList &rows)
{
    QStringList wrong;
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows.at(y).size(); ++x) {
            const QColor expected = letters().value(rows.at(y).at(x));
            if (at(image, x, y) != expected)
                wrong << QStringLiteral("(%1,%2) %3 not %4")
                             .arg(x)
                             .arg(y)
                             .arg(at(image, x, y).name(), expected.name());
        }
    }
    return wrong;
}

} // namespace

class tst_buttonpainter : public QObject
{
    Q_OBJECT
private slots:
    void smallPictures_data();
    void smallPictures();
    void classicDefaultUp();
    void nothingWithoutHeight();
};

// Pictures of 8 x 7 pixels in the fixed colours, one letter a pixel (see
// letters()), without caption or focus, released, pressed and disabled. Cut corners still hold what
// was drawn there.
void tst_buttonpainter::smallPictures_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("rows");

    // clang-format off
    // Disabled, the framed bevel looks released.
    const QStringList framedBevelUp{
        "FKKKKKKF",
        "KWWWWWSK",
        "KWWWWSSK",
        "KWWFFSSK",
        "KWSSSSSK",
        "KSSSSSSK",
        "FKKKKKKF",
    };
    QTest::newRow("framed bevel up") << 1 << 0 << true << framedBevelUp;
    QTest::newRow("framed bevel disabled") << 1 << 2 << false << framedBevelUp;
    // Disabled, the classic looks released.
    const QStringList classicUp{
        "WWWWWWWK",
        "WLLLLLSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WSSSSSSK",
        "KKKKKKKK",
    };
    QTest::newRow("classic up") << 2 << 0 << true << classicUp;
    QTest::newRow("classic disabled") << 2 << 2 << false << classicUp;
    QTest::newRow("gradient rounded up") << 3 << 0 << true << QStringList{
        "FFooooFF",
        "1kCCCCk1",
        "oDDDDDDo",
        "oA3333Ao",
        "oAAAAAAo",
        "5kBBBBk5",
        "66oooo66",
    };
    // Disabled, the rounded looks released.
    const QStringList roundedUp{
        "FFKKKKFF",
        "FKFLLFKF",
        "KFWWWLFK",
        "KLWWFFSK",
        "KFLFFSSK",
        "FKFSSSKF",
        "FFKKKKFF",
    };
    QTest::newRow("rounded up") << 4 << 0 << true << roundedUp;
    QTest::newRow("rounded disabled") << 4 << 2 << false << roundedUp;
    QTest::newRow("rounded pressed") << 4 << 2 << true << QStringList{
        "FFKKKKFF",
        "FKcccaKF",
        "KccbbabK",
        "KcbbSSaK",
        "KaaSSSbK",
        "FKbaabKF",
        "FFKKKKFF",
    };
    QTest::newRow("etched up") << 5 << 0 << true << QStringList{
        "EEEEEEEF",
        "EWWWWWeW",
        "EWPPPPEW",
        "EWPPPPEW",
        "EWPPPPEW",
        "EeEEEEEW",
        "FWWWWWWW",
    };
    QTest::newRow("flat double edge up") << 6 << 0 << true << QStringList{
        "lllllllS",
        "llllllSS",
        "llFFFFSS",
        "llFFFFSS",
        "llFFFFSS",
        "lSSSSSSS",
        "SSSSSSSS",
    };
    // Disabled, the thin bevel looks released.
    const QStringList thinBevelUp{
        "WWWWWWSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "SSSSSSSF",
        "FFFFFFFF",
    };
    QTest::newRow("thin bevel up") << 7 << 0 << true << thinBevelUp;
    QTest::newRow("thin bevel disabled") << 7 << 0 << false << thinBevelUp;
    QTest::newRow("framed bevel pressed") << 1 << 2 << true << QStringList{
        "FKKKKKKF",
        "KSSSSSWK",
        "KSSSSWWK",
        "KSSFFWWK",
        "KSWWWWWK",
        "KWWWWWWK",
        "FKKKKKKF",
    };
    QTest::newRow("classic pressed") << 2 << 2 << true << QStringList{
        "KKKKKKKK",
        "KSSSSSSK",
        "KSFFFFSK",
        "KSFFFFSK",
        "KSFFFFSK",
        "KSSSSSSK",
        "KKKKKKKK",
    };
    QTest::newRow("gradient rounded pressed") << 3 << 2 << true << QStringList{
        "FFooooFF",
        "FkIIIIkF",
        "oJJJJJJo",
        "oGOxxOGo",
        "oGGGGGGo",
        "ykHHHHky",
        "zzoooozz",
    };
    QTest::newRow("gradient rounded disabled") << 3 << 0 << false << QStringList{
        "FFooooFF",
        "pkTTTTkp",
        "oUUUUUUo",
        "oQqqqqQo",
        "oQQQQQQo",
        "rkRRRRkr",
        "ssooooss",
    };
    QTest::newRow("etched pressed") << 5 << 2 << true << QStringList{
        "SSSSSSWF",
        "SMMMMMWF",
        "SMMMMMWF",
        "SMMMMMWF",
        "SMMMMMWF",
        "WWWWWWWF",
        "FFFFFFFF",
    };
    QTest::newRow("etched disabled") << 5 << 0 << false << QStringList{
        "SSSSSSSS",
        "SFFFFFFS",
        "SFFFFFFS",
        "SFFFFFFS",
        "SFFFFFFS",
        "SFFFFFFS",
        "SSSSSSSS",
    };
    QTest::newRow("flat double edge pressed") << 6 << 2 << true << QStringList{
        "SSSSSSSl",
        "SSSSSSll",
        "SSFFFFll",
        "SSFFFFll",
        "SSFFFFll",
        "Slllllll",
        "llllllll",
    };
    QTest::newRow("flat double edge disabled") << 6 << 0 << false << QStringList{
        "LLLLLLLS",
        "LLLLLLSS",
        "LLFFFFSS",
        "LLFFFFSS",
        "LLFFFFSS",
        "LSSSSSSS",
        "SSSSSSSS",
    };
    QTest::newRow("thin bevel pressed") << 7 << 2 << true << QStringList{
        "SSSSSSWF",
        "SFFFFFWF",
        "SFFFFFWF",
        "SFFFFFWF",
        "SFFFFFWF",
        "WWWWWWWF",
        "FFFFFFFF",
    };
    // clang-format on
}

void tst_buttonpainter::smallPictures()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QStringList, rows);
    ButtonLook look = lookOf(type, 8, 7);
    look.Enabled = enabled;
    const QImage image = paint(look, static_cast<quint8>(state));
    QCOMPARE(image.size(), QSize(8, 7));
    QCOMPARE(differences(image, rows), QStringList());
}

// Released and the host's default button: the bevel moves inwards inside a
// dark frame.
void tst_buttonpainter::classicDefaultUp()
{
    ButtonLook look = lookOf(2, 8, 7);
    look.displayAsDefault = true;
    const QStringList rows{"KKKKKKKK", "KWWWWWKK", "KWLLLSKK", "KWLFFSKK",
                           "KWSSSSKK", "KKKKKKKK", "KKKKKKKK"};
    QCOMPARE(differences(paint(look, ButtonState::Up), rows), QStringList());
    QCOMPARE(differences(paint(look, ButtonState::Pressed), rows).isEmpty(), false);
}

void tst_buttonpainter::nothingWithoutHeight()
{
    QImage image;
    ButtonPainter::paint(image, lookOf(3, 73, 0), ButtonState::Up);
    QVERIFY(image.isNull());
}

QTEST_MAIN(tst_buttonpainter)
#include "tst_buttonpainter.moc"
