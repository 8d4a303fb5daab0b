#include "button/ButtonLook.h"
#include "button/ButtonPainter.h"
#include "button/WingdingsGlyph.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

class tst_wingdingsglyph : public QObject
{
    Q_OBJECT
private slots:
    void arrows_data();
    void arrows();
    void fontKeepsAttributes();
    void arrowsPointTheirWay();
};

void tst_wingdingsglyph::arrows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");

    QTest::newRow("left") << 0xEF << QString(QChar(0x21E6));
    QTest::newRow("right") << 0xF0 << QString(QChar(0x21E8));
    QTest::newRow("up") << 0xF1 << QString(QChar(0x21E7));
    QTest::newRow("down") << 0xF2 << QString(QChar(0x21E9));
    QTest::newRow("unknown code stays itself") << 0x41 << "A";
}

void tst_wingdingsglyph::arrows()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    const QString shown = WingdingsGlyph::Caption(static_cast<quint8>(code));
    QCOMPARE(shown, caption);
    const QFont font = WingdingsGlyph::Font(QFont(QStringLiteral("Wingdings"), 12));
    QVERIFY(QFontMetricsF(font).inFont(shown.at(0)));
}

void tst_wingdingsglyph::fontKeepsAttributes()
{
    QFont wingdings(QStringLiteral("Wingdings"), 14, QFont::Bold, true);
    wingdings.setUnderline(true);
    const QFont font = WingdingsGlyph::Font(wingdings);
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QVERIFY(font.underline());
}

// The ink of a left arrow leans left of the centre, that of an up arrow
// towards the top.
void tst_wingdingsglyph::arrowsPointTheirWay()
{
    auto inkCentre = [](quint8 code) {
        ButtonLook look;
        look.ButtonType = 6;
        look.Palette = ButtonPalette::standard();
        look.Caption = WingdingsGlyph::Caption(code);
        look.Font = WingdingsGlyph::Font(QFont(QStringLiteral("Wingdings"), 20));
        look.setSize(41, 41);
        QImage image;
        ButtonPainter::paint(image, look, ButtonState::Up);
        QPointF sum;
        double weight = 0;
        for (int y = 2; y < 39; ++y) {
            for (int x = 2; x < 39; ++x) {
                const double ink = 192 - qGray(image.pixel(x, y));
                if (ink > 0) {
                    sum += QPointF(x, y) * ink;
                    weight += ink;
                }
            }
        }
        return weight > 0 ? sum / weight : QPointF();
    };
    // Outline arrows are heavy at the head.
    const QPointF left = inkCentre(WingdingsGlyph::ArrowLeft);
    const QPointF right = inkCentre(WingdingsGlyph::ArrowRight);
    const QPointF up = inkCentre(WingdingsGlyph::ArrowUp);
    const QPointF down = inkCentre(WingdingsGlyph::ArrowDown);
    QVERIFY(!left.isNull());
    QVERIFY(left.x() < right.x());
    QVERIFY(up.y() < down.y());
}

QTEST_MAIN(tst_wingdingsglyph)
#include "tst_wingdingsglyph.moc"
