#include "PaintedLook.h"
#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <QTest>

// The focus outline, the states drawn as a bare face, the disabled look,
// and where the caption goes.

namespace {

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

class tst_buttonpainter_states : public QObject
{
    Q_OBJECT
private slots:
    void focusRectangle_data();
    void focusRectangle();
    void otherStatesDrawFaceOnly_data();
    void otherStatesDrawFaceOnly();
    void disabledIgnoresStateAndFocus_data();
    void disabledIgnoresStateAndFocus();
    void captionCentredAndMovedWhenPressed();
    void captionAmpersands();
    void boldCaptionLeavesFontAlone();
};

void tst_buttonpainter_states::focusRectangle_data()
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
void tst_buttonpainter_states::focusRectangle()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(bool, asDefault);
    QFETCH(bool, dotted);
    const int W = 16, H = 12;
    ButtonLook look = lookOf(type, W, H);
    look.displayAsDefault = asDefault;
    const QImage plain = paint(look, static_cast<quint8>(state));
    look.HasFocus = true;
    const QImage focused = paint(look, static_cast<quint8>(state));
    QCOMPARE(changed(plain, focused), dotted ? focusDots(W, H) : QSet<QPoint>());
    for (const QPoint &p : changed(plain, focused))
        QCOMPARE(focused.pixel(p) & 0xFFFFFF, ~plain.pixel(p) & 0xFFFFFF);
}

void tst_buttonpainter_states::otherStatesDrawFaceOnly_data()
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

void tst_buttonpainter_states::otherStatesDrawFaceOnly()
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

void tst_buttonpainter_states::disabledIgnoresStateAndFocus_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 7; ++type)
        QTest::addRow("style %d", type) << type;
}

void tst_buttonpainter_states::disabledIgnoresStateAndFocus()
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

void tst_buttonpainter_states::captionCentredAndMovedWhenPressed()
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
void tst_buttonpainter_states::captionAmpersands()
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

void tst_buttonpainter_states::boldCaptionLeavesFontAlone()
{
    ButtonLook look = lookOf(5, 73, 21, QStringLiteral("Info"));
    const QImage etched = paint(look, ButtonState::Up);
    QVERIFY(!look.Font.bold());
    ButtonLook boldLook = look;
    boldLook.Font.setBold(true);
    QCOMPARE(paint(boldLook, ButtonState::Up), etched);
}

QTEST_MAIN(tst_buttonpainter_states)
#include "tst_buttonpainter_states.moc"
