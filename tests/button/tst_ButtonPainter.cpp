#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>

namespace {

ButtonLook lookOf(qint32 type, int W, int H, const QString &caption = QString())
{
    ButtonLook look;
    look.ButtonType = type;
    look.Caption = caption;
    look.Palette = ButtonPalette::standard();
    look.Font = QFont(QStringLiteral("DejaVu Sans"), 8);
    look.setSize(W, H);
    return look;
}

QImage paint(const ButtonLook &look, quint8 state)
{
    QImage image;
    ButtonPainter::paint(image, look, state);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

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

// The pixels that differ between two pictures of the same size.
QSet<QPoint> changed(const QImage &a, const QImage &b)
{
    QSet<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points.insert(QPoint(x, y));
    return points;
}

// The dots of a focus outline on the rectangle (4, 4, W - 4, H - 4).
QSet<QPoint> focusDots(int W, int H)
{
    QSet<QPoint> points;
    for (int y = 4; y <= H - 5; ++y)
        for (int x = 4; x <= W - 5; ++x)
            if ((x == 4 || x == W - 5 || y == 4 || y == H - 5) && (x + y) % 2 == 0)
                points.insert(QPoint(x, y));
    return points;
}

// The bounding box of the pixels that are not the face colour inside the
// area.
QRect inkBox(const QImage &image, const QRect &area, QRgb face)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != face)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class tst_ButtonPainter : public QObject
{
    Q_OBJECT
private slots:
    void smallPictures_data();
    void smallPictures();
    void classicDefaultUp();
    void style3Rows_data();
    void style3Rows();
    void style3GradientStartsByLook_data();
    void style3GradientStartsByLook();
    void style3KeepsGradientOnlyInside();
    void style3SideLines_data();
    void style3SideLines();
    void offsetFaces_data();
    void offsetFaces();
    void style5CaptionBox();
    void focusRectangle_data();
    void focusRectangle();
    void otherStatesDrawFaceOnly_data();
    void otherStatesDrawFaceOnly();
    void disabledIgnoresStateAndFocus_data();
    void disabledIgnoresStateAndFocus();
    void captionCentredAndMovedWhenPressed();
    void captionAmpersands();
    void boldCaptionLeavesFontAlone();
    void nothingWithoutHeight();
};

// Pictures of 8 x 7 pixels in the fixed colours, one letter a pixel (see
// letters()), without caption or focus, released, pressed and disabled. Cut corners still hold what
// was drawn there.
void tst_ButtonPainter::smallPictures_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("rows");

    // clang-format off
    QTest::newRow("framed bevel up") << 1 << 0 << true << QStringList{
        "FKKKKKKF",
        "KWWWWWSK",
        "KWWWWSSK",
        "KWWFFSSK",
        "KWSSSSSK",
        "KSSSSSSK",
        "FKKKKKKF",
    };
    QTest::newRow("classic up") << 2 << 0 << true << QStringList{
        "WWWWWWWK",
        "WLLLLLSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WSSSSSSK",
        "KKKKKKKK",
    };
    QTest::newRow("gradient rounded up") << 3 << 0 << true << QStringList{
        "FFooooFF",
        "1kCCCCk1",
        "oDDDDDDo",
        "oA3333Ao",
        "oAAAAAAo",
        "5kBBBBk5",
        "66oooo66",
    };
    QTest::newRow("rounded up") << 4 << 0 << true << QStringList{
        "FFKKKKFF",
        "FKFLLFKF",
        "KFWWWLFK",
        "KLWWFFSK",
        "KFLFFSSK",
        "FKFSSSKF",
        "FFKKKKFF",
    };
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
    QTest::newRow("thin bevel up") << 7 << 0 << true << QStringList{
        "WWWWWWSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "SSSSSSSF",
        "FFFFFFFF",
    };
    QTest::newRow("framed bevel pressed") << 1 << 2 << true << QStringList{
        "FKKKKKKF",
        "KSSSSSWK",
        "KSSSSWWK",
        "KSSFFWWK",
        "KSWWWWWK",
        "KWWWWWWK",
        "FKKKKKKF",
    };
    QTest::newRow("framed bevel disabled") << 1 << 2 << false << QStringList{
        "FKKKKKKF",
        "KWWWWWSK",
        "KWWWWSSK",
        "KWWFFSSK",
        "KWSSSSSK",
        "KSSSSSSK",
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
    QTest::newRow("classic disabled") << 2 << 2 << false << QStringList{
        "WWWWWWWK",
        "WLLLLLSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WLFFFFSK",
        "WSSSSSSK",
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
    QTest::newRow("rounded disabled") << 4 << 2 << false << QStringList{
        "FFKKKKFF",
        "FKFLLFKF",
        "KFWWWLFK",
        "KLWWFFSK",
        "KFLFFSSK",
        "FKFSSSKF",
        "FFKKKKFF",
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
    QTest::newRow("thin bevel disabled") << 7 << 0 << false << QStringList{
        "WWWWWWSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "WFFFFFSF",
        "SSSSSSSF",
        "FFFFFFFF",
    };
    // clang-format on
}

void tst_ButtonPainter::smallPictures()
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
void tst_ButtonPainter::classicDefaultUp()
{
    ButtonLook look = lookOf(2, 8, 7);
    look.DisplayAsDefault = true;
    const QStringList rows{"KKKKKKKK", "KWWWWWKK", "KWLLLSKK", "KWLFFSKK",
                           "KWSSSSKK", "KKKKKKKK", "KKKKKKKK"};
    QCOMPARE(differences(paint(look, ButtonState::Up), rows), QStringList());
    QCOMPARE(differences(paint(look, ButtonState::Pressed), rows).isEmpty(), false);
}

void tst_ButtonPainter::style3Rows_data()
{
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("23 up row 3") << 23 << 0 << 3 << QColor(245, 245, 248);
    QTest::newRow("23 up row 19") << 23 << 0 << 19 << QColor(193, 193, 214);
    QTest::newRow("20 up row 3, blue tie to even") << 20 << 0 << 3 << QColor(244, 244, 247);
    QTest::newRow("20 up row 5, blue tie to even") << 20 << 0 << 5 << QColor(236, 236, 243);
    QTest::newRow("20 up row 6, tie to even") << 20 << 0 << 6 << QColor(233, 233, 240);
    QTest::newRow("18 up row 9, single-precision quotient")
        << 18 << 0 << 9 << QColor(218, 218, 230);
    QTest::newRow("12 pressed row 6, single-precision quotient")
        << 12 << 2 << 6 << QColor(212, 212, 225);
}

// Pressed buttons carry their orange side lines, so only the columns
// between them are looked at.
void tst_ButtonPainter::style3Rows()
{
    QFETCH(int, H);
    QFETCH(int, state);
    QFETCH(int, row);
    QFETCH(QColor, colour);
    const int W = 73;
    const QImage image = paint(lookOf(3, W, H), static_cast<quint8>(state));
    const int first = state == 0 ? 2 : 3;
    for (int x = first; x <= W - 1 - first; ++x)
        QCOMPARE(at(image, x, row), colour);
}

// The cut corner pixels outside the outline still show the gradient row
// they lie on, or the face where the gradient does not start.
void tst_ButtonPainter::style3GradientStartsByLook_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("row1");
    QTest::addColumn<QColor>("row22");

    QTest::newRow("up") << 0 << true << QColor(252, 252, 253) << QColor(183, 183, 207);
    QTest::newRow("pressed") << 2 << true << QColor(192, 192, 192) << QColor(174, 174, 198);
    QTest::newRow("disabled") << 2 << false << QColor(252, 252, 253) << QColor(198, 198, 217);
}

void tst_ButtonPainter::style3GradientStartsByLook()
{
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QColor, row1);
    QFETCH(QColor, row22);
    ButtonLook look = lookOf(3, 73, 23);
    look.Enabled = enabled;
    const QImage image = paint(look, static_cast<quint8>(state));
    QCOMPARE(at(image, 0, 1), row1);
    QCOMPARE(at(image, 72, 1), row1);
    QCOMPARE(at(image, 0, 22), row22);
    QCOMPARE(at(image, 71, 22), row22);
}

void tst_ButtonPainter::style3KeepsGradientOnlyInside()
{
    const int W = 73, H = 23;
    const QImage image = paint(lookOf(3, W, H), ButtonState::Up);
    const QSet<QRgb> edges{qRgb(0, 60, 115),    qRgb(16, 77, 123),   qRgb(140, 174, 231),
                           qRgb(107, 130, 239), qRgb(206, 231, 255), qRgb(189, 215, 247)};
    const QSet<QPoint> cut{{0, 0},     {1, 0},         {0, 1},         {0, H - 1},
                           {1, H - 1}, {0, H - 2},     {W - 2, 0},     {W - 1, 0},
                           {W - 1, 1}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const bool face = y >= 3 && y <= H - 4 && x >= 2 && x <= W - 3;
            if (face)
                QCOMPARE(image.pixel(x, y), image.pixel(2, y));
            else if (!cut.contains(QPoint(x, y)))
                QVERIFY2(edges.contains(image.pixel(x, y)),
                         qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        }
    }
}

void tst_ButtonPainter::style3SideLines_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QColor>("side");

    QTest::newRow("up focused") << 0 << true << QColor(255, 255, 255);
    QTest::newRow("pressed focused") << 2 << true << QColor(255, 203, 107);
    QTest::newRow("pressed unfocused") << 2 << false << QColor(255, 203, 107);
}

void tst_ButtonPainter::style3SideLines()
{
    QFETCH(int, state);
    QFETCH(bool, focus);
    QFETCH(QColor, side);
    const int W = 73, H = 23;
    ButtonLook look = lookOf(3, W, H);
    look.HasFocus = focus;
    const QImage image = paint(look, static_cast<quint8>(state));
    for (int y = 3; y <= H - 4; ++y) {
        QCOMPARE(at(image, 2, y), side);
        QCOMPARE(at(image, W - 3, y), side);
    }
    QVERIFY(at(image, 2, 2) != side);
    QVERIFY(at(image, 2, H - 3) != side);
    QVERIFY(at(image, 3, 10) != side);
}

// Offsets change all three bytes of the colour value in one integer
// operation, so a byte below 0 or above 255 borrows or carries.
void tst_ButtonPainter::offsetFaces_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("shadow");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("rounded pressed, fixed colours")
        << 4 << 2 << QColor(192, 192, 192) << QColor(128, 128, 128) << QColor(113, 113, 113);
    QTest::newRow("etched up, fixed colours")
        << 5 << 0 << QColor(192, 192, 192) << QColor(128, 128, 128) << QColor(204, 204, 204);
    QTest::newRow("rounded pressed, red borrows")
        << 4 << 2 << QColor(192, 192, 192) << QColor(10, 128, 128) << QColor(251, 112, 113);
    QTest::newRow("etched up, bytes carry")
        << 5 << 0 << QColor(250, 250, 250) << QColor(128, 128, 128) << QColor(6, 7, 7);
    QTest::newRow("etched pressed, shadow + 16")
        << 5 << 2 << QColor(192, 192, 192) << QColor(128, 128, 128) << QColor(144, 144, 144);
}

void tst_ButtonPainter::offsetFaces()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(QColor, face);
    QFETCH(QColor, shadow);
    QFETCH(QColor, expected);
    ButtonLook look = lookOf(type, 40, 20);
    look.Palette.Face = colourValue(face.red(), face.green(), face.blue());
    look.Palette.Shadow = colourValue(shadow.red(), shadow.green(), shadow.blue());
    const QImage image = paint(look, static_cast<quint8>(state));
    QCOMPARE(at(image, 20, 10), expected);
}

void tst_ButtonPainter::style5CaptionBox()
{
    const int W = 40, H = 20;
    ButtonLook look = lookOf(5, W, H);
    look.HasFocus = true;
    const QImage image = paint(look, ButtonState::Up);
    QFont bold = look.Font;
    bold.setBold(true);
    const double th = QFontMetricsF(bold, &image).height();
    const int top = static_cast<int>(std::nearbyint(H - th)) / 2 - 1;
    const int bottom = top + static_cast<int>(std::nearbyint(th + 2)) - 1;
    const QColor box(153, 153, 204);
    const QColor face(204, 204, 204);
    for (int x = 17; x <= 22; ++x) {
        QCOMPARE(at(image, x, top), box);
        QCOMPARE(at(image, x, bottom), box);
    }
    QCOMPARE(at(image, 16, top), face);
    QCOMPARE(at(image, 23, top), face);
    QCOMPARE(at(image, 17, top + 1), box);
    QCOMPARE(at(image, 18, top + 1), face);
}

void tst_ButtonPainter::focusRectangle_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("asDefault");
    QTest::addColumn<bool>("dotted");

    QTest::newRow("framed bevel up") << 1 << 0 << false << true;
    QTest::newRow("framed bevel pressed") << 1 << 2 << false << true;
    QTest::newRow("classic up") << 2 << 0 << false << false;
    QTest::newRow("classic up as default") << 2 << 0 << true << true;
    QTest::newRow("classic pressed") << 2 << 2 << false << true;
    QTest::newRow("rounded up") << 4 << 0 << false << false;
    QTest::newRow("rounded pressed") << 4 << 2 << false << false;
    QTest::newRow("flat double edge up") << 6 << 0 << false << true;
    QTest::newRow("flat double edge pressed") << 6 << 2 << false << true;
    QTest::newRow("thin bevel up") << 7 << 0 << false << true;
    QTest::newRow("thin bevel pressed") << 7 << 2 << false << true;
}

// The focus outline inverts every other pixel of its border and nothing
// else.
void tst_ButtonPainter::focusRectangle()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(bool, asDefault);
    QFETCH(bool, dotted);
    const int W = 16, H = 12;
    ButtonLook look = lookOf(type, W, H);
    look.DisplayAsDefault = asDefault;
    const QImage plain = paint(look, static_cast<quint8>(state));
    look.HasFocus = true;
    const QImage focused = paint(look, static_cast<quint8>(state));
    QCOMPARE(changed(plain, focused), dotted ? focusDots(W, H) : QSet<QPoint>());
    for (const QPoint &p : changed(plain, focused))
        QCOMPARE(focused.pixel(p) & 0xFFFFFF, ~plain.pixel(p) & 0xFFFFFF);
}

void tst_ButtonPainter::otherStatesDrawFaceOnly_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");

    for (int type = 0; type <= 8; ++type) {
        for (int state : {1, 3, 255})
            QTest::addRow("style %d state %d", type, state) << type << state;
    }
    QTest::newRow("style 0 up") << 0 << 0;
    QTest::newRow("style 8 pressed") << 8 << 2;
}

void tst_ButtonPainter::otherStatesDrawFaceOnly()
{
    QFETCH(int, type);
    QFETCH(int, state);
    ButtonLook look = lookOf(type, 30, 15, QStringLiteral("&Go"));
    look.HasFocus = true;
    const QImage image = paint(look, static_cast<quint8>(state));
    QImage face(30, 15, QImage::Format_RGB32);
    face.fill(QColor(192, 192, 192));
    QCOMPARE(image, face);
}

void tst_ButtonPainter::disabledIgnoresStateAndFocus_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 7; ++type)
        QTest::addRow("style %d", type) << type;
}

void tst_ButtonPainter::disabledIgnoresStateAndFocus()
{
    QFETCH(int, type);
    ButtonLook look = lookOf(type, 73, 23, QStringLiteral("&Copy"));
    look.Enabled = false;
    const QImage reference = paint(look, ButtonState::Up);
    for (bool focus : {false, true}) {
        look.HasFocus = focus;
        for (int state : {0, 2, 1, 200})
            QCOMPARE(paint(look, static_cast<quint8>(state)), reference);
    }
    look.Enabled = true;
    QVERIFY(paint(look, ButtonState::Up) != reference);
}

void tst_ButtonPainter::captionCentredAndMovedWhenPressed()
{
    const int W = 61, H = 21;
    const ButtonLook look = lookOf(6, W, H, QStringLiteral("Hg"));
    const QRect interior(2, 2, W - 4, H - 4);
    const QRgb face = qRgb(192, 192, 192);
    const QRect up = inkBox(paint(look, ButtonState::Up), interior, face);
    const QRect pressed = inkBox(paint(look, ButtonState::Pressed), interior, face);
    QVERIFY(!up.isEmpty());
    QCOMPARE(pressed, up.translated(1, 1));
    QVERIFY(qAbs(up.left() - (W - 1 - up.right())) <= 1);
    QVERIFY(qAbs(up.top() - (H - 1 - up.bottom())) <= 2);
}

// "&" underlines the next character and "&&" shows one "&".
void tst_ButtonPainter::captionAmpersands()
{
    const QRect interior(2, 2, 69, 17);
    const QRgb face = qRgb(192, 192, 192);
    auto ink = [&](const QString &caption) {
        return inkBox(paint(lookOf(6, 73, 21, caption), ButtonState::Up), interior, face);
    };
    const QRect plain = ink(QStringLiteral("Start"));
    const QRect marked = ink(QStringLiteral("&Start"));
    QCOMPARE(marked.width(), plain.width());
    QVERIFY(marked.bottom() > plain.bottom());
    QVERIFY(ink(QStringLiteral("&&Start")).width() > plain.width());
    const QRect literal = ink(QStringLiteral("&&Start"));
    const QRect literalAndMarked = ink(QStringLiteral("&&&Start"));
    QCOMPARE(literalAndMarked.width(), literal.width());
    QVERIFY(literalAndMarked.bottom() > literal.bottom());
}

void tst_ButtonPainter::boldCaptionLeavesFontAlone()
{
    ButtonLook look = lookOf(5, 73, 21, QStringLiteral("Info"));
    const QImage etched = paint(look, ButtonState::Up);
    QVERIFY(!look.Font.bold());
    ButtonLook boldLook = look;
    boldLook.Font.setBold(true);
    QCOMPARE(paint(boldLook, ButtonState::Up), etched);
}

void tst_ButtonPainter::nothingWithoutHeight()
{
    QImage image;
    ButtonPainter::paint(image, lookOf(3, 73, 0), ButtonState::Up);
    QVERIFY(image.isNull());
}

QTEST_MAIN(tst_ButtonPainter)
#include "tst_ButtonPainter.moc"
