// Every style in each of its looks side by side. With OMBRIX_BUTTON_GALLERY
// set to a file name the sheet is also saved there, enlarged four times, as
// the picture in docs/buttons.png.
#include "button/ButtonLook.h"
#include "button/ButtonOutline.h"
#include "button/ButtonPainter.h"
#include "button/WingdingsGlyph.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

struct Cell
{
    const char *title;
    quint8 state;
    bool focus;
    bool enabled;
};

const Cell cells[] = {{"Up", ButtonState::Up, false, true},
                      {"Up, focused", ButtonState::Up, true, true},
                      {"Pressed", ButtonState::Pressed, false, true},
                      {"Pressed, focused", ButtonState::Pressed, true, true},
                      {"Disabled", ButtonState::Up, false, false}};

const char *const styleNames[] = {"1 FramedBevel", "2 Classic3D",  "3 GradientRounded",
                                  "4 Rounded3D",   "5 EtchedBold", "6 FlatDoubleEdge",
                                  "7 ThinBevel"};

constexpr int W = 73, H = 23, cellW = 81, cellH = 31, labelW = 96, headerH = 18;
const QColor background(212, 208, 200);

ButtonLook lookOf(qint32 type, const Cell &cell, const QString &caption, const QFont &font)
{
    ButtonLook look;
    look.ButtonType = type;
    look.Caption = caption;
    look.Enabled = cell.enabled;
    look.HasFocus = cell.focus;
    look.Palette = ButtonPalette::standard();
    look.Font = font;
    look.setSize(W, H);
    return look;
}

QImage pictureOf(const ButtonLook &look, quint8 state)
{
    QImage image;
    ButtonPainter::paint(image, look, state);
    return image;
}

// The button as the host shows it: cut corners show the host's background.
void place(QPainter &sheet, const ButtonLook &look, quint8 state, QPoint at)
{
    sheet.save();
    sheet.setClipRegion(BuildRegion(look.ButtonType, look.W, look.H).translated(at));
    sheet.drawImage(at, pictureOf(look, state));
    sheet.restore();
}

QImage sheet()
{
    const int rows = 8;
    QImage image(labelW + 5 * cellW, headerH + rows * cellH, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    const QFont font(QStringLiteral("DejaVu Sans"), 8);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    for (int c = 0; c < 5; ++c)
        painter.drawText(QRect(labelW + c * cellW, 0, cellW, headerH), Qt::AlignCenter,
                         cells[c].title);
    for (int type = 1; type <= 7; ++type) {
        const int y = headerH + (type - 1) * cellH;
        painter.drawText(QRect(2, y, labelW, H), Qt::AlignVCenter, styleNames[type - 1]);
        for (int c = 0; c < 5; ++c)
            place(painter, lookOf(type, cells[c], QStringLiteral("&Start"), font), cells[c].state,
                  QPoint(labelW + c * cellW, y));
    }
    const int y = headerH + 7 * cellH;
    painter.drawText(QRect(2, y, labelW, H), Qt::AlignVCenter, "3 with glyphs");
    const QFont arrows = WingdingsGlyph::Font(QFont(QStringLiteral("Wingdings"), 12));
    const quint8 glyphs[] = {WingdingsGlyph::ArrowLeft, WingdingsGlyph::ArrowRight,
                             WingdingsGlyph::ArrowUp, WingdingsGlyph::ArrowDown};
    for (int c = 0; c < 4; ++c)
        place(painter, lookOf(3, cells[0], WingdingsGlyph::Caption(glyphs[c]), arrows),
              ButtonState::Up, QPoint(labelW + c * cellW, y));
    place(painter, lookOf(3, cells[0], QStringLiteral("Cl&ose"), font), ButtonState::Up,
          QPoint(labelW + 4 * cellW, y));
    return image;
}

} // namespace

class tst_buttonpainter_gallery : public QObject
{
    Q_OBJECT
private slots:
    void looksDiffer_data();
    void looksDiffer();
    void saveSheet();
};

void tst_buttonpainter_gallery::looksDiffer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("focusShowsWhenUp");

    for (int type = 1; type <= 7; ++type)
        QTest::addRow("%s", styleNames[type - 1]) << type << (type != 2 && type != 4);
}

// Released, pressed and disabled are three different pictures; the focus
// shows on a released button of every style with a cue there.
void tst_buttonpainter_gallery::looksDiffer()
{
    QFETCH(int, type);
    QFETCH(bool, focusShowsWhenUp);
    const QFont font(QStringLiteral("DejaVu Sans"), 8);
    QList<QImage> pictures;
    for (const Cell &cell : cells)
        pictures << pictureOf(lookOf(type, cell, QStringLiteral("&Start"), font), cell.state);
    QVERIFY(pictures[0] != pictures[2]);
    QVERIFY(pictures[0] != pictures[4]);
    QVERIFY(pictures[2] != pictures[4]);
    QCOMPARE(pictures[0] != pictures[1], focusShowsWhenUp);
}

void tst_buttonpainter_gallery::saveSheet()
{
    const QString path = qEnvironmentVariable("OMBRIX_BUTTON_GALLERY");
    if (path.isEmpty())
        QSKIP("OMBRIX_BUTTON_GALLERY not set");
    const QImage image = sheet();
    QVERIFY(
        image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path));
}

QTEST_MAIN(tst_buttonpainter_gallery)
#include "tst_buttonpainter_gallery.moc"
