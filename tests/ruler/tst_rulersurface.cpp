#include "Form1Checks.h"
#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/Form1.h"
#include "ruler/RulerFace.h"
#include "ruler/RulerSurface.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QTest>
#include <QTimer>

// The ruler's face: painted as the labels it stands for, and the mouse on
// it (its clicks, drags and double-clicks, and every way into the context
// menu).

Q_DECLARE_METATYPE(RulerSurface::Area)

namespace {

// A window whose surface paints it, with the labels handed to it; the
// surface's own areas start hidden.
class SurfaceWindow : public QWidget
{
public:
    SurfaceWindow()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int area = RulerLayout::Form + 1; area < RulerLayout::faceAreaCount; ++area)
            surface.setShown(RulerSurface::Area(area), false);
    }
    RulerSurface surface{this};

protected:
    void paintEvent(QPaintEvent *event) override { surface.paint(event); }
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

class tst_rulersurface : public WindowTest
{
    Q_OBJECT
private slots:
    void flatLabelsPaintAsLabels();
    void areasPaintAsLabels();
    void uprightFaceIsTheFaceTurned();
    void surfacesTakeTheMouse_data();
    void surfacesTakeTheMouse();
    void leftDragKeepsPressPointUnderPointer_data();
    void leftDragKeepsPressPointUnderPointer();
    void waysIntoTheMenu_data();
    void waysIntoTheMenu();
};

void tst_rulersurface::surfacesTakeTheMouse_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("resets"); // a move over it: the caption buttons normal again
    QTest::newRow("face") << false << QPoint(300, 15) << QPoint(300, 15) << true << true << true
                          << true;
    QTest::newRow("face, over the hidden upright face")
        << false << QPoint(40, 15) << QPoint(40, 15) << true << true << true << true;
    QTest::newRow("title image") << false << QPoint(160, 20) << QPoint(160, 20) << true << true
                                 << true << true;
    QTest::newRow("top edge bar") << false << QPoint(200, 3) << QPoint(200, 3) << true << true
                                  << false << false;
    QTest::newRow("top edge bar, a click")
        << false << QPoint(200, 3) << QPoint(200, 3) << false << false << false << false;
    QTest::newRow("bottom edge bar, a click")
        << false << QPoint(200, 80) << QPoint(200, 80) << false << true << false << false;
    QTest::newRow("bottom edge bar, released on the face")
        << false << QPoint(200, 80) << QPoint(200, 75) << false << true << false << false;
    QTest::newRow("face, released on the bottom edge bar")
        << false << QPoint(200, 75) << QPoint(200, 80) << false << false << false << true;
    QTest::newRow("upright face") << true << QPoint(40, 300) << QPoint(40, 300) << true << true
                                  << false << true;
    QTest::newRow("upright title image")
        << true << QPoint(50, 200) << QPoint(50, 200) << true << true << false << true;
    QTest::newRow("left edge bar")
        << true << QPoint(3, 200) << QPoint(3, 200) << true << true << false << false;
    QTest::newRow("right edge bar")
        << true << QPoint(80, 200) << QPoint(80, 200) << true << true << false << false;
}

// The face's areas take the presses, clicks and double-clicks that land on
// them, the topmost shown one first; the area pressed takes the release
// wherever it comes.
void tst_rulersurface::surfacesTakeTheMouse()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(bool, twice);
    QFETCH(bool, ends);
    QFETCH(bool, saves);
    QFETCH(bool, resets);
    Form1 ruler;
    showTurned(ruler, vertical);
    auto send = [&](QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, ruler.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&ruler, &event);
    };
    for (const char *normal : {"Image3", "Image4"}) { // their hover pictures shown
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), QPointF(), Qt::NoButton, {}, {});
        QApplication::sendEvent(ruler.findChild<QLabel *>(normal), &over);
    }
    QVERIFY(!ruler.findChild<QLabel *>("Image6")->isHidden());
    QVERIFY(!ruler.findChild<QLabel *>("Image7")->isHidden());
    send(QEvent::MouseMove, press, Qt::NoButton);
    QCOMPARE(ruler.findChild<QLabel *>("Image6")->isHidden(), resets);
    QCOMPARE(ruler.findChild<QLabel *>("Image7")->isHidden(), resets);
    send(QEvent::MouseButtonPress, press, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, release, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, press, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, release, Qt::NoButton);
    }
    QCOMPARE(ended, ends);
    QCOMPARE(!fakes->settings.writes.isEmpty(), saves);
}

void tst_rulersurface::leftDragKeepsPressPointUnderPointer_data()
{
    QTest::addColumn<RulerSurface::Area>("area");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<bool>("drags");
    QTest::newRow("face, along") << RulerLayout::Image9 << QPoint(12, 0) << true;
    QTest::newRow("face, up and left") << RulerLayout::Image9 << QPoint(-8, -6) << true;
    QTest::newRow("title image") << RulerLayout::Image1 << QPoint(0, 15) << true;
    QTest::newRow("top edge bar") << RulerLayout::Label1 << QPoint(20, 3) << true;
    QTest::newRow("bottom edge bar") << RulerLayout::Label2 << QPoint(11, 0) << true;
    QTest::newRow("face, a jitter") << RulerLayout::Image9 << QPoint(3, 2) << false;
}

// The move starts once the pointer has travelled a little from the press; it
// must start from the press, or the window lags behind the pointer.
void tst_rulersurface::leftDragKeepsPressPointUnderPointer()
{
    QFETCH(RulerSurface::Area, area);
    QFETCH(QPoint, travel);
    QFETCH(bool, drags);
    Form1 ruler;
    ruler.move(200, 150);
    ruler.show();
    const QPoint local = ruler.findChild<RulerSurface *>()->place(area).topLeft() + QPoint(5, 3);
    press(&ruler, Qt::LeftButton, local);
    moveOver(&ruler, local + travel, Qt::LeftButton);
    moveOver(&ruler, local + travel, Qt::LeftButton);
    QCOMPARE(fakes->mover.moves, drags ? QList<QWidget *>{&ruler} : QList<QWidget *>());
    QCOMPARE(fakes->mover.continuedFrom,
             drags ? QList<QPoint>{ruler.mapToGlobal(local)} : QList<QPoint>());
}

// Every way into the context menu, and where it opens, from the ruler's
// corner: the mouse's at the pointer (a second right press soon after the
// first arrives as a double-click, and opens it all the same), the
// keyboard's at the middle of the slider that has the focus, as the Menu key
// asks for it. The platform's context event of a right press must not open
// the menu a second time.
void tst_rulersurface::waysIntoTheMenu_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("at"); // (0, 0): no menu
    const QPoint face(100, 40);
    QTest::newRow("right press") << "right press" << false << face;
    QTest::newRow("right double-click") << "right double-click" << false << face;
    QTest::newRow("context event of a press") << "mouse context" << false << QPoint();
    QTest::newRow("Menu key") << "Menu" << false << QPoint(199, 59);
    QTest::newRow("Shift+F10") << "Shift+F10" << false << QPoint(199, 59);
    QTest::newRow("Menu key, vertical") << "Menu" << true << QPoint(25, 209);
    QTest::newRow("Shift+F10, vertical") << "Shift+F10" << true << QPoint(25, 209);
}

void tst_rulersurface::waysIntoTheMenu()
{
    QFETCH(QString, way);
    QFETCH(bool, vertical);
    QFETCH(QPoint, at);
    Form1 ruler;
    ruler.move(200, 150);
    QSlider *slider = showTurned(ruler, vertical);
    ruler.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ruler));
    QWidget *popup = nullptr;
    QPoint opened;
    QTimer menuWatch; // runs inside the menu's own loop, if one opens
    menuWatch.setSingleShot(true);
    connect(&menuWatch, &QTimer::timeout, [&] {
        popup = QApplication::activePopupWidget();
        if (popup) {
            opened = popup->pos();
            popup->close();
        }
    });
    menuWatch.start(0);
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, slider);
    const QPoint pointer = ruler.mapToGlobal(QPoint(100, 40));
    QCursor::setPos(pointer);
    if (way == QLatin1String("right press")) {
        press(&ruler, Qt::RightButton, ruler.mapFromGlobal(pointer));
    } else if (way == QLatin1String("right double-click")) {
        doubleClick(&ruler, Qt::RightButton, ruler.mapFromGlobal(pointer));
    } else if (way == QLatin1String("mouse context")) {
        QContextMenuEvent context(QContextMenuEvent::Mouse, ruler.mapFromGlobal(pointer), pointer);
        QCoreApplication::sendEvent(&ruler, &context);
    } else if (way == QLatin1String("Menu")) {
        // As the platform sends it for the key: to the control with the focus.
        const QPoint global = ruler.mapToGlobal(at);
        QContextMenuEvent context(QContextMenuEvent::Keyboard, focus->mapFromGlobal(global),
                                  global);
        QCoreApplication::sendEvent(focus, &context);
    } else {
        QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    }
    if (at.isNull()) {
        QCOMPARE(popup, nullptr);
    } else {
        QCOMPARE(popup, static_cast<QWidget *>(ruler.menu()));
        QCOMPARE(opened, ruler.mapToGlobal(at));
    }
    QVERIFY(!ended);
}

// The window paints the labels lying on it as each label paints itself,
// before and after one is hidden and another moved under the raised one.
void tst_rulersurface::flatLabelsPaintAsLabels()
{
    QWidget plain;
    const QList<QLabel *> plainLabels = layLabels(plain);
    SurfaceWindow painted;
    const QList<QLabel *> paintedLabels = layLabels(painted);
    for (QLabel *label : paintedLabels)
        painted.surface.addFlatLabel(label);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    for (const QList<QLabel *> &labels : {plainLabels, paintedLabels}) {
        labels.at(2)->hide();
        labels.at(1)->move(20, 10);
    }
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
}

// The face's areas look as labels of their place, picture and text aligned
// at the top left, and filled bars, would look; a higher area over a lower.
void tst_rulersurface::areasPaintAsLabels()
{
    QWidget plain;
    QList<QLabel *> labels = layLabels(plain);
    labels.at(1)->hide(); // an area aligns its picture at the top only
    SurfaceWindow painted;
    painted.setFixedSize(plain.size());
    painted.setPalette(plain.palette());
    // The raised label on the highest area, the others below it.
    const RulerSurface::Area areaOf[] = {RulerLayout::Image2, RulerLayout::Image9,
                                         RulerLayout::Image10, RulerLayout::Label1};
    for (int i = 0; i < labels.size(); ++i) {
        const QLabel *label = labels.at(i);
        RulerSurface &surface = painted.surface;
        surface.setPlace(areaOf[i], label->geometry());
        surface.setPicture(areaOf[i], label->pixmap());
        surface.setText(areaOf[i], label->text());
        if (label->autoFillBackground())
            surface.setFill(areaOf[i], label->palette().color(QPalette::Window));
        surface.setShown(areaOf[i], !label->isHidden());
    }
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    labels.at(2)->move(60, 12);
    painted.surface.setPlace(areaOf[2], labels.at(2)->geometry());
    labels.at(3)->hide();
    painted.surface.setShown(areaOf[3], false);
    QCOMPARE(painted.grab().toImage(), plain.grab().toImage());
    QCOMPARE(painted.surface.areaAt(QPoint(20, 8)), areaOf[0]);
    QCOMPARE(painted.surface.areaAt(QPoint(3, 30)), RulerLayout::Form);
}

// The upright face is the horizontal one turned over its diagonal, light
// above and left, dark below and right, with its own two dark end rows.
void tst_rulersurface::uprightFaceIsTheFaceTurned()
{
    const QImage across = RulerFace::horizontal().toImage();
    const QImage upright = RulerFace::vertical().toImage();
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

QTEST_MAIN(tst_rulersurface)
#include "tst_rulersurface.moc"
