// Draws every picture of Ombrix into the directory given as the only argument.
// The pictures share one palette: a warm beige for faces and backgrounds and a
// deep blue for plates, strips and caption buttons, with soft vertical
// gradients and anti-aliased edges.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cstdio>

namespace {

QString outputDir;

struct Shade
{
    QColor top;
    QColor bottom;
    QColor edge;
};

const Shade blue{QColor(0x5a, 0x94, 0xec), QColor(0x1d, 0x4f, 0xb8), QColor(0x14, 0x3a, 0x8a)};
const Shade lightBlue{QColor(0x8c, 0xbb, 0xf8), QColor(0x3f, 0x7f, 0xe0), QColor(0x2a, 0x5c, 0xb0)};
const Shade darkBlue{QColor(0x26, 0x4a, 0x94), QColor(0x10, 0x28, 0x60), QColor(0x0a, 0x1c, 0x48)};
const Shade redOrange{QColor(0xf8, 0x86, 0x52), QColor(0xd2, 0x42, 0x18), QColor(0x9c, 0x2c, 0x0c)};
const Shade lightRed{QColor(0xff, 0xa8, 0x8c), QColor(0xe8, 0x5e, 0x42), QColor(0xb8, 0x40, 0x28)};
const Shade darkRed{QColor(0x9a, 0x2a, 0x14), QColor(0x62, 0x14, 0x06), QColor(0x44, 0x0c, 0x02)};

const QColor beigeLight(0xf6, 0xf0, 0xe4);
const QColor beige(0xf0, 0xe8, 0xd8);
const QColor beigeDark(0xe2, 0xd4, 0xba);
const QColor beigeEdge(0xb4, 0xa0, 0x80);

const QColor white(255, 255, 255);
const QColor faded(255, 255, 255, 110);

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool isOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

// Pictures without any transparency are written without an alpha channel:
// the program decodes them at every start, and opaque pictures decode and
// display faster.
void save(const QImage &image, const char *name)
{
    const QString path = QDir(outputDir).filePath(QString::fromLatin1(name) + ".png");
    const QImage written = isOpaque(image) ? image.convertToFormat(QImage::Format_RGB32) : image;
    if (!written.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QLinearGradient vertical(const QRectF &rect, const Shade &shade)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, shade.top);
    gradient.setColorAt(1.0, shade.bottom);
    return gradient;
}

// A glossy rounded plate: gradient body, dark rim and a soft shine on the upper half.
void plate(QPainter &p, const QRectF &rect, qreal radius, const Shade &shade)
{
    p.setPen(QPen(shade.edge, 1.0));
    p.setBrush(vertical(rect, shade));
    p.drawRoundedRect(rect, radius, radius);

    QRectF shine = rect.adjusted(1.5, 1.5, -1.5, -rect.height() / 2);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(shine, radius - 1, radius - 1);
}

// ---- caption buttons -------------------------------------------------------

void captionSquare(const Shade &shade, QPainter &p, QImage &image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QRectF(0.5, 0.5, 20, 20), 4.5, shade);
}

void minimiseButton(const Shade &shade, const QColor &bar, const char *name)
{
    QImage image = blank(21, 21);
    QPainter p;
    captionSquare(shade, p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRectF(5, 13.5, 11, 3), 1.2, 1.2);
    p.end();
    save(image, name);
}

void closeButton(const Shade &shade, const QColor &cross, const char *name)
{
    QImage image = blank(21, 21);
    QPainter p;
    captionSquare(shade, p, image);
    p.setPen(QPen(cross, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(14.5, 6.5), QPointF(6.5, 14.5));
    p.end();
    save(image, name);
}

// An upright push-pin: round head, narrow waist, wide collar and a needle.
void pin(QPainter &p, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath body;
    body.addRoundedRect(QRectF(7, 3, 7, 3.5), 1.6, 1.6);
    body.addRect(QRectF(8.5, 6, 4, 4.5));
    body.addRoundedRect(QRectF(5.5, 10, 10, 2.6), 1.3, 1.3);
    body.setFillRule(Qt::WindingFill);
    p.drawPath(body.simplified());
    p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 12.8), QPointF(10.5, 18.2));
}

void onTopPicture(const Shade &shade, const QColor &colour, const char *name)
{
    QImage image = blank(21, 21);
    QPainter p;
    captionSquare(shade, p, image);
    pin(p, colour);
    p.end();
    save(image, name);
}

// ---- title strips ----------------------------------------------------------

const int stripHeight = 29;
const qreal stripRadius = 8;

// Draws the whole bar, rounded at the ends chosen, into an image of the given
// width; the About box's pieces are cut from wider drawings so they join.
QImage strip(int width, bool roundLeft, bool roundRight)
{
    const int spare = 20;
    const int left = roundLeft ? 0 : -spare;
    const int right = roundRight ? width : width + spare;
    QImage image = blank(width, stripHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF bar(left + 0.5, 0.5, right - left - 1, stripHeight - 1);

    QLinearGradient body(bar.topLeft(), bar.bottomLeft());
    body.setColorAt(0.0, QColor(0x6c, 0xa2, 0xf0));
    body.setColorAt(0.45, QColor(0x2c, 0x66, 0xd0));
    body.setColorAt(1.0, QColor(0x16, 0x42, 0x9e));
    p.setPen(QPen(QColor(0x10, 0x32, 0x7c), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(bar, stripRadius, stripRadius);

    QRectF shine = bar.adjusted(1.5, 1.5, -1.5, -stripHeight / 2.0);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 80));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(shine, stripRadius - 1.5, stripRadius - 1.5);
    return image;
}

void titleStrips()
{
    save(strip(55, true, true), "title_strip");
    save(strip(10, true, false), "title_left");
    save(strip(2, false, false), "title_middle");
    save(strip(55, false, true), "title_right");
}

// ---- ruler -----------------------------------------------------------------

// A plain beige face with a two-pixel bevel: light above and left, dark below and right.
QImage rulerFace(int width, int height)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    QLinearGradient face(0, 0, 0, height);
    face.setColorAt(0.0, beigeLight);
    face.setColorAt(0.5, beige);
    face.setColorAt(1.0, beigeDark);
    p.fillRect(image.rect(), face);
    p.setPen(QColor(255, 255, 255, 230));
    p.drawLine(0, 0, width - 1, 0);
    p.drawLine(0, 0, 0, height - 1);
    p.setPen(QColor(255, 255, 255, 120));
    p.drawLine(1, 1, width - 2, 1);
    p.drawLine(1, 1, 1, height - 2);
    p.setPen(QColor(beigeEdge.red(), beigeEdge.green(), beigeEdge.blue(), 140));
    p.drawLine(1, height - 2, width - 2, height - 2);
    p.drawLine(width - 2, 1, width - 2, height - 2);
    p.setPen(beigeEdge);
    p.drawLine(0, height - 1, width - 1, height - 1);
    p.drawLine(width - 1, 0, width - 1, height - 1);
    return image;
}

// The face's columns are all alike but for two at either end: the program
// builds its faces, horizontal and upright, from these five.
QImage faceStrip(const QImage &face)
{
    const int last = face.width() - 1;
    QImage strip = blank(5, face.height());
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const int columns[] = {0, 1, 2, last - 1, last};
    for (int i = 0; i < 5; ++i)
        p.drawImage(i, 0, face, columns[i], 0, 1, face.height());
    return strip;
}

QFont boldFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// Embossed white text: a dark shadow one pixel down, then the text.
void embossedText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font)
{
    p.setFont(font);
    p.setPen(QColor(0x08, 0x1c, 0x50, 150));
    p.drawText(rect.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(white);
    p.drawText(rect, Qt::AlignCenter, text);
}

// The program's name on a blue plate; upright, the plate keeps its shine on
// the left (the light comes from the top left) and the name reads downwards.
QImage namePlate(bool upright)
{
    QImage image = blank(98, 34);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        plate(p, QRectF(0.5, 0.5, 97, 33), 6, blue);
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2.5, 2.5, 93, 29), 4.5, 4.5);
    }
    if (upright)
        image = image.transformed(QTransform().rotate(-90));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (upright) {
        p.translate(17, 49);
        p.rotate(90);
        p.translate(-49, -17);
    }
    embossedText(p, QRectF(0, 0, 98, 33), QStringLiteral("Ombrix"), boldFont(17));
    return image;
}

// A short ruler lying at a slant, with tick marks and a blue back edge.
void drawRulerIcon(QPainter &p, qreal size)
{
    p.save();
    p.scale(size / 32.0, size / 32.0);
    p.translate(16, 16);
    p.rotate(-40);
    QRectF body(-15.5, -5.5, 31, 11);
    QLinearGradient face(body.topLeft(), body.bottomLeft());
    face.setColorAt(0.0, beigeLight);
    face.setColorAt(1.0, beigeDark);
    p.setPen(QPen(QColor(0x7a, 0x64, 0x44), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(body, 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x4f, 0xb8));
    p.drawRoundedRect(QRectF(-15.5, 2.5, 31, 3), 1.2, 1.2);
    p.setPen(QPen(QColor(0x3a, 0x2c, 0x1a), 0.9, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i <= 12; ++i) {
        const qreal x = -13 + i * 26.0 / 12.0;
        const qreal length = (i % 4 == 0) ? 5.0 : (i % 2 == 0 ? 3.6 : 2.2);
        p.drawLine(QPointF(x, -5.0), QPointF(x, -5.0 + length));
    }
    p.restore();
}

QImage programIcon()
{
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRulerIcon(p, 32);
    return image;
}

// ---- backgrounds and logo --------------------------------------------------

// A warm beige ground that lightens towards the upper left, with a thin bevel
// and a row of faint ruler ticks along the bottom edge.
QImage background(int width, int height)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, width * 0.35, height);
    ground.setColorAt(0.0, beigeLight);
    ground.setColorAt(0.55, beige);
    ground.setColorAt(1.0, QColor(0xe8, 0xdc, 0xc6));
    p.fillRect(image.rect(), ground);

    QRadialGradient glow(QPointF(width * 0.3, height * 0.3), width * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x1d, 0x4f, 0xb8, 40));
    for (int x = 6, i = 0; x < width - 4; x += 5, ++i) {
        const int length = (i % 10 == 0) ? 9 : (i % 2 == 0 ? 6 : 3);
        p.drawLine(x, height - 3, x, height - 3 - length);
    }
    p.setPen(QColor(255, 255, 255, 200));
    p.drawLine(0, 0, width - 1, 0);
    p.drawLine(0, 0, 0, height - 1);
    p.setPen(beigeEdge);
    p.drawLine(0, height - 1, width - 1, height - 1);
    p.drawLine(width - 1, 0, width - 1, height - 1);
    return image;
}

// The maker's upright logo: a tall blue plate with a compass-star emblem and
// the name "Drevani" reading upwards.
QImage logo()
{
    QImage image = blank(67, 143);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    plate(p, QRectF(0.5, 0.5, 66, 142), 9, darkBlue);

    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, 60, 136), 6.5, 6.5);

    const QPointF centre(33.5, 22);
    QRadialGradient halo(centre, 13);
    halo.setColorAt(0.0, QColor(0x8c, 0xbb, 0xf8, 200));
    halo.setColorAt(1.0, QColor(0x8c, 0xbb, 0xf8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 13, 13);
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal radius = (i % 2 == 0) ? 10.5 : 3.2;
        QTransform turn;
        turn.rotate(i * 45.0);
        const QPointF point = centre + turn.map(QPointF(0, -radius));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setBrush(white);
    p.drawPath(star);

    p.save();
    p.translate(33.5, 88);
    p.rotate(-90);
    embossedText(p, QRectF(-50, -16, 100, 32), QStringLiteral("Drevani"), boldFont(19));
    p.restore();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT_DIRECTORY\n");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);

    minimiseButton(blue, white, "min_normal");
    minimiseButton(lightBlue, white, "min_hover");
    minimiseButton(darkBlue, faded, "min_down");
    closeButton(redOrange, white, "close_normal");
    closeButton(lightRed, white, "close_hover");
    closeButton(darkRed, faded, "close_down");
    onTopPicture(blue, white, "top_on");
    onTopPicture(darkBlue, faded, "top_off");

    titleStrips();

    save(faceStrip(rulerFace(1600, 70)), "ruler_face_strip");
    save(namePlate(false), "title_h");
    save(namePlate(true), "title_v");
    save(programIcon(), "icon32");

    save(background(197, 352), "spy_background");
    save(background(387, 301), "mixer_background");
    save(background(385, 292), "about_background");
    save(logo(), "logo");
    return 0;
}
