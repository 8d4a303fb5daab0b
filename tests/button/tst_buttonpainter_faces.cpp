#include "PaintedLook.h"
#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QSet>
#include <QTest>

// The faces of the larger buttons: the gradient of the rounded style, the
// colours offset from the face and shadow, and the etched style's caption
// box.

class tst_buttonpainter_faces : public QObject
{
    Q_OBJECT
private slots:
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
};

void tst_buttonpainter_faces::style3Rows_data()
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
void tst_buttonpainter_faces::style3Rows()
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
void tst_buttonpainter_faces::style3GradientStartsByLook_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("row1");
    QTest::addColumn<QColor>("row22");

    QTest::newRow("up") << 0 << true << QColor(252, 252, 253) << QColor(183, 183, 207);
    QTest::newRow("pressed") << 2 << true << QColor(192, 192, 192) << QColor(174, 174, 198);
    QTest::newRow("disabled") << 2 << false << QColor(252, 252, 253) << QColor(198, 198, 217);
}

void tst_buttonpainter_faces::style3GradientStartsByLook()
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

void tst_buttonpainter_faces::style3KeepsGradientOnlyInside()
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

void tst_buttonpainter_faces::style3SideLines_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QColor>("side");

    QTest::newRow("up focused") << 0 << true << QColor(255, 255, 255);
    QTest::newRow("pressed focused") << 2 << true << QColor(255, 203, 107);
    QTest::newRow("pressed unfocused") << 2 << false << QColor(255, 203, 107);
}

void tst_buttonpainter_faces::style3SideLines()
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
    // The focus rectangle runs inside the side lines, on a focused button only.
    look.HasFocus = !focus;
    const QImage other = paint(look, static_cast<quint8>(state));
    QVERIFY(at(image, 4, 10) != at(other, 4, 10));
    QVERIFY(at(image, W / 2, 4) != at(other, W / 2, 4));
    QCOMPARE(at(image, 3, 10), at(other, 3, 10));
}

// Offsets change all three bytes of the colour value in one integer
// operation, so a byte below 0 or above 255 borrows or carries.
void tst_buttonpainter_faces::offsetFaces_data()
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

void tst_buttonpainter_faces::offsetFaces()
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

void tst_buttonpainter_faces::style5CaptionBox()
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

QTEST_MAIN(tst_buttonpainter_faces)
#include "tst_buttonpainter_faces.moc"
