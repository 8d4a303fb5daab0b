#include "Form1Checks.h"
#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/FaceArea.h"
#include "ruler/Form1.h"
#include "ruler/SurfacePainter.h"

#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QTest>

// The ruler's layout in either orientation, and its face painted as the
// labels it stands for.

namespace {

// A window that paints its face's areas, and the labels handed to its
// surface painter over them, itself.
class SurfaceWindow : public QWidget
{
public:
    SurfaceWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    SurfacePainter surfaces{this};
    QList<FaceArea *> areas;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        QRegion background = event->region();
        for (const FaceArea *area : std::as_const(areas)) {
            if (area->coversItsPlace())
                background -= area->geometry();
        }
        for (const QRect &rect : background)
            painter.fillRect(rect, palette().window());
        for (const FaceArea *area : std::as_const(areas))
            area->paint(painter);
        surfaces.paint(painter, event->rect());
    }
};

// Labels of every kind the ruler lays on its face: pictures with soft edges
// aligned at the top or in the middle, an opaque one cut off by its label, a
// filled bar whose text runs past its edge, and a picture raised over
// another.
QList<QLabel *> layLabels(QWidget &window)
{
    QPixmap picture(30, 20);
    picture.fill(Qt::transparent);
    {
        QPainter onPicture(&picture);
        onPicture.setRenderHint(QPainter::Antialiasing);
        onPicture.setBrush(QColor(200, 30, 30, 220));
        onPicture.drawEllipse(QRectF(0.5, 0.5, 29, 19));
    }
    QPixmap opaque(30, 20);
    opaque.fill(QColor(30, 120, 30));
    {
        QPainter onOpaque(&opaque);
        onOpaque.drawEllipse(QRectF(0.5, 0.5, 29, 19));
    }
    window.setFixedSize(120, 60);
    QPalette beige = window.palette();
    beige.setColor(QPalette::Window, QColor(240, 232, 216));
    window.setPalette(beige);
    auto *top = new QLabel(&window);
    top->setPixmap(picture);
    top->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    top->setGeometry(15, 5, 30, 20);
    auto *middle = new QLabel(&window);
    middle->setPixmap(picture);
    middle->setGeometry(30, 20, 50, 34);
    auto *cut = new QLabel(&window);
    cut->setPixmap(opaque);
    cut->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cut->setGeometry(95, 40, 12, 10);
    auto *bar = new QLabel(QStringLiteral("Label3"), &window);
    bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar->setAutoFillBackground(true);
    QPalette blue = bar->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    bar->setPalette(blue);
    bar->setGeometry(0, 0, 7, 60);
    top->raise();
    return {top, middle, cut, bar};
}

} // namespace

class TestForm1Layout : public WindowTest
{
    Q_OBJECT
private slots:
    void orientationKeepsEachLength();
    void edgeBarPlacement();
    void uprightFaceIsTheFaceTurned();
    void surfacesPaintAsLabels();
    void faceAreasPaintAsLabels();
};

void TestForm1Layout::orientationKeepsEachLength()
{
    Form1 ruler;
    ruler.show();
    auto *slider1 = named<QSlider>(&ruler, "Slider1");
    auto *slider2 = named<QSlider>(&ruler, "Slider2");
    slider1->setValue(9000);
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 400));
    QVERIFY(fixedAtItsSize(ruler));
    QVERIFY(!ruler.isHorizontal());
    QVERIFY(ruler.menu()->mnuHoriz->isVisible());
    QVERIFY(!ruler.menu()->mnuVertical->isVisible());
    QVERIFY(slider2->isVisible() && !slider1->isVisible());
    QVERIFY(named<FaceArea>(&ruler, "Image10")->isVisible());
    QVERIFY(!named<FaceArea>(&ruler, "Image9")->isVisible());
    slider2->setValue(3000);
    ruler.mnuHoriz_Click();
    QCOMPARE(ruler.size(), QSize(600, 84));
    QVERIFY(fixedAtItsSize(ruler));
    ruler.mnuVertical_Click();
    QCOMPARE(ruler.size(), QSize(84, 200));
}

void TestForm1Layout::edgeBarPlacement()
{
    Form1 ruler;
    ruler.show();
    auto *bottom = named<FaceArea>(&ruler, "Label2");
    QCOMPARE(bottom->y(), 77); // showing the window lays it out flush with the bottom
    ruler.Timer1_Timer();
    ruler.mnuVertical_Click();
    auto *right = named<FaceArea>(&ruler, "Label4");
    QCOMPARE(right->text(), QStringLiteral("Label4"));
    QCOMPARE(named<FaceArea>(&ruler, "Label3")->text(), QStringLiteral("Label3"));
    QVERIFY(bottom->text().isEmpty());
    QCOMPARE(right->x(), 77); // 1155 twips
    QCOMPARE(right->height(), 400);
    ruler.mnuHoriz_Click();
    QCOMPARE(bottom->y(), 75); // 1120 twips: 40 above the bottom right after the switch
    named<QSlider>(&ruler, "Slider1")->setValue(7500);
    ruler.Timer1_Timer();
    QCOMPARE(bottom->y(), 77); // 1160 twips: flush after a resize
    QCOMPARE(bottom->width(), 500);
}

// The upright face is the horizontal one turned over its diagonal, light
// above and left, dark below and right, with its own two dark end rows.
void TestForm1Layout::uprightFaceIsTheFaceTurned()
{
    Form1 ruler;
    ruler.mnuVertical_Click();
    const QImage across = named<FaceArea>(&ruler, "Image9")->pixmap().toImage();
    const QImage upright = named<FaceArea>(&ruler, "Image10")->pixmap().toImage();
    QCOMPARE(across.size(), QSize(1600, 70));
    QCOMPARE(upright.size(), QSize(70, 1200));
    for (int along = 0; along < 1200; ++along) {
        const int acrossColumn = along < 1198 ? along : along + 400;
        for (int side = 0; side < 70; ++side)
            QCOMPARE(upright.pixel(side, along), across.pixel(acrossColumn, side));
    }
    QVERIFY(qGray(across.pixel(0, 35)) > qGray(across.pixel(800, 35)));
    QVERIFY(qGray(across.pixel(1599, 35)) < qGray(across.pixel(800, 35)));
    QVERIFY(qGray(across.pixel(800, 0)) > qGray(across.pixel(800, 69)));
}

// The window paints the labels lying on it as each label paints itself,
// before and after one is hidden and another moved under the raised one.
void TestForm1Layout::surfacesPaintAsLabels()
{
    QWidget plain;
    const QList<QLabel *> plainLabels = layLabels(plain);
    SurfaceWindow painted;
    const QList<QLabel *> paintedLabels = layLabels(painted);
    for (QLabel *label : paintedLabels)
        painted.surfaces.add(label);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    for (const QList<QLabel *> &labels : {plainLabels, paintedLabels}) {
        labels.at(2)->hide();
        labels.at(1)->move(20, 10);
    }
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
}

// The face's areas look as labels of their place, picture and text aligned
// at the top left, and filled bars, would look.
void TestForm1Layout::faceAreasPaintAsLabels()
{
    QWidget plain;
    QList<QLabel *> labels = layLabels(plain);
    labels.at(1)->hide(); // an area aligns its picture at the top only
    SurfaceWindow painted;
    painted.setFixedSize(plain.size());
    painted.setPalette(plain.palette());
    for (const QLabel *label : std::as_const(labels)) {
        if (label->isHidden())
            continue;
        auto *area = new FaceArea(&painted, label->objectName(), label->geometry());
        area->setPixmap(label->pixmap());
        area->setText(label->text());
        if (label->autoFillBackground())
            area->setFill(label->palette().color(QPalette::Window));
        painted.areas.append(area);
    }
    // The window paints them in the order given: the raised label last.
    painted.areas.move(0, painted.areas.size() - 1);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    labels.at(2)->move(60, 12);
    painted.areas.at(0)->move(60, 12);
    labels.at(3)->hide();
    painted.areas.at(1)->hide();
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
}

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
