#include "SpyTest.h"
#include "button/chameleonButton.h"
#include "chrome/CaptionButton.h"
#include "chrome/OpenWindows.h"
#include "colour/frmColor.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>

// Color Spy as a window: its opening and stored place, its exits, its
// buttons and caption buttons.

class tst_frmcolor : public SpyTest
{
    Q_OBJECT
private slots:
    void opensOnceAsDesigned();
    void restoresEachStoredEdge_data();
    void restoresEachStoredEdge();
    void firstPlaceClearOfTheRuler_data();
    void firstPlaceClearOfTheRuler();
    void closePathsStoreThePosition_data();
    void closePathsStoreThePosition();
    void buttonsActOnTheirClick_data();
    void buttonsActOnTheirClick();
    void resetSurfacesReturnTheCaptionButtons_data();
    void resetSurfacesReturnTheCaptionButtons();
    void leavingBelowTheTitleStripFocusesTheSwatch_data();
    void leavingBelowTheTitleStripFocusesTheSwatch();
};

void tst_frmcolor::opensOnceAsDesigned()
{
    frmColor *spy = OpenWindows::show<frmColor>();
    QCOMPARE(OpenWindows::find<frmColor>(), spy);
    QCOMPARE(OpenWindows::show<frmColor>(), spy);
    QCOMPARE(spy->size(), QSize(197, 349));
    QVERIFY(spy->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(spy->isWindow());
    QVERIFY(!spy->showsOnTop());
    QVERIFY(fakes->band.topMost.isEmpty());
    QVERIFY(!spy->capturing());
    for (const char *name : readoutNames)
        QVERIFY2(readout(name)->text().isEmpty(), name);
    QCOMPARE(named<QFrame>(spy, "Picture1")->palette().color(QPalette::Window),
             QColor(248, 240, 224));

    QPointer<frmColor> first = spy;
    spy->close();
    QCOMPARE(OpenWindows::find<frmColor>(), nullptr);
    settle();
    QVERIFY(first.isNull());
    QVERIFY(OpenWindows::show<frmColor>() != nullptr);
}

void tst_frmcolor::restoresEachStoredEdge_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<bool>("leftRestored");
    QTest::addColumn<bool>("topRestored");
    QTest::addColumn<QPoint>("stored");

    QTest::newRow("both") << "1500"
                          << "3000" << true << true << QPoint(100, 200);
    QTest::newRow("negative") << "-450"
                              << "15" << true << true << QPoint(-30, 1);
    QTest::newRow("left not a number") << "abc"
                                       << "3000" << false << true << QPoint(0, 200);
    QTest::newRow("top empty") << "1500"
                               << "" << true << false << QPoint(100, 0);
    QTest::newRow("beyond any screen") << "1e30"
                                       << "-3000" << false << true << QPoint(0, -200);
    QTest::newRow("neither") << "nan"
                             << "" << false << false << QPoint();
}

// An edge that cannot be restored stays where a window opened with an empty
// store would be.
void tst_frmcolor::restoresEachStoredEdge()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(bool, leftRestored);
    QFETCH(bool, topRestored);
    QFETCH(QPoint, stored);

    // A lone stored edge is applied to the place the system gave the shown window.
    QVERIFY(QTest::qWaitForWindowExposed(OpenWindows::show<frmColor>()));
    const QPoint placed = OpenWindows::find<frmColor>()->pos();
    OpenWindows::find<frmColor>()->close();
    fakes->settings.values.insert(QStringLiteral("Presets/S_L"), left);
    fakes->settings.values.insert(QStringLiteral("Presets/S_T"), top);
    QVERIFY(QTest::qWaitForWindowExposed(OpenWindows::show<frmColor>()));
    const QPoint position = OpenWindows::find<frmColor>()->pos();
    QCOMPARE(position.x(), leftRestored ? stored.x() : placed.x());
    QCOMPARE(position.y(), topRestored ? stored.y() : placed.y());
    QVERIFY(fakes->settings.writes.isEmpty());
}

void tst_frmcolor::firstPlaceClearOfTheRuler_data()
{
    QTest::addColumn<QRect>("ruler");     // about the place the system gives the Spy
    QTest::addColumn<bool>("stored");     // the Spy's place under the ruler stored
    QTest::addColumn<bool>("placedLate"); // put under the ruler after its first exposure
    QTest::newRow("horizontal ruler") << QRect(-50, -20, 400, 84) << false << false;
    QTest::newRow("vertical ruler") << QRect(-20, -50, 84, 400) << false << false;
    QTest::newRow("a stored place stands") << QRect(-50, -20, 400, 84) << true << false;
    QTest::newRow("placed after exposure") << QRect(-50, -20, 400, 84) << false << true;
}

// Nothing stored, the Spy opens beside the always-on-top ruler on the
// ruler's screen rather than under it.
void tst_frmcolor::firstPlaceClearOfTheRuler()
{
    QFETCH(QRect, ruler);
    QFETCH(bool, stored);
    QFETCH(bool, placedLate);
    QVERIFY(QTest::qWaitForWindowExposed(OpenWindows::show<frmColor>()));
    const QPoint placed = OpenWindows::find<frmColor>()->pos();
    OpenWindows::find<frmColor>()->close();
    if (stored) {
        fakes->settings.values.insert(QStringLiteral("Presets/S_L"),
                                      QString::number(placed.x() * 15));
        fakes->settings.values.insert(QStringLiteral("Presets/S_T"),
                                      QString::number(placed.y() * 15));
    }
    QWidget standIn(nullptr, Qt::FramelessWindowHint);
    standIn.setGeometry(ruler.translated(placed + QPoint(200, 200)));
    standIn.show();
    OpenWindows::registerWindow(OpenWindows::Ruler, &standIn);
    frmColor *spy = OpenWindows::show<frmColor>();
    QVERIFY(QTest::qWaitForWindowExposed(spy));
    if (placedLate) { // as KWin does, the window manager's place comes after it
        spy->move(placed);
        QCoreApplication::processEvents();
    }
    OpenWindows::forgetWindow(OpenWindows::Ruler, &standIn);
    const QRect screen = standIn.screen()->availableGeometry();
    if (stored)
        QCOMPARE(spy->pos(), placed);
    else
        QVERIFY2(!spy->geometry().intersects(standIn.geometry()) &&
                     screen.contains(spy->geometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(spy->x()).arg(spy->y())));
}

void tst_frmcolor::closePathsStoreThePosition_data()
{
    QTest::addColumn<int>("path");
    QTest::addColumn<QStringList>("writes");

    const QStringList position{"S_L=1500", "S_T=3000"};
    QTest::newRow("Close button") << 0 << position;
    QTest::newRow("close control") << 1 << position;
    QTest::newRow("ruler unloads it") << 2 << QStringList();
    QTest::newRow("window manager closes it") << 3 << QStringList();
}

void tst_frmcolor::closePathsStoreThePosition()
{
    QFETCH(int, path);
    QFETCH(QStringList, writes);

    QPointer<frmColor> spy = openSpy();
    spy->chameleonButton2_Click();
    switch (path) {
    case 0:
        spy->chameleonButton1_Click();
        break;
    case 1:
        pressCaptionButton(spy, QStringLiteral("close_normal"));
        break;
    case 2:
        OpenWindows::unloadOthers(OpenWindows::Ruler);
        break;
    default:
        spy->close();
    }
    QVERIFY(!spy->capturing());
    QCOMPARE(OpenWindows::find<frmColor>(), nullptr);
    QCOMPARE(fakes->settings.writes, writes);
    settle();
    QVERIFY(spy.isNull());

    if (!writes.isEmpty())
        QCOMPARE(OpenWindows::show<frmColor>()->pos(), QPoint(100, 200));
}

void tst_frmcolor::buttonsActOnTheirClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("accessKey"); // 0: a mouse click on the button
    QTest::addColumn<bool>("capturing");
    QTest::addColumn<bool>("stillOpen");

    QTest::newRow("Start clicked") << "chameleonButton2" << 0 << true << true;
    QTest::newRow("Start by Alt+S") << "chameleonButton2" << int(Qt::Key_S) << true << true;
    QTest::newRow("Close clicked") << "chameleonButton1" << 0 << false << false;
    QTest::newRow("Close by Alt+C") << "chameleonButton1" << int(Qt::Key_C) << false << false;
}

void tst_frmcolor::buttonsActOnTheirClick()
{
    QFETCH(QString, button);
    QFETCH(int, accessKey);
    QFETCH(bool, capturing);
    QFETCH(bool, stillOpen);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QCOMPARE(named<chameleonButton>(spy, button)->Font().pointSizeF(), 8.25);
    if (accessKey)
        QTest::keyClick(spy, Qt::Key(accessKey), Qt::AltModifier);
    else
        QTest::mouseClick(named(spy, button), Qt::LeftButton);
    QCOMPARE(OpenWindows::find<frmColor>() == spy, stillOpen);
    if (stillOpen)
        QCOMPARE(spy->capturing(), capturing);
    else
        QCOMPARE(fakes->settings.writes, (QStringList{"S_L=1500", "S_T=3000"}));
}

void tst_frmcolor::resetSurfacesReturnTheCaptionButtons_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<bool>("focusesSwatch");

    QTest::newRow("background") << "Image1" << true;
    QTest::newRow("title strip") << "Image2" << false;
}

void tst_frmcolor::resetSurfacesReturnTheCaptionButtons()
{
    QFETCH(QString, surface);
    QFETCH(bool, focusesSwatch);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QWidget *swatch = named<QFrame>(spy, "Picture1");
    QCOMPARE(QApplication::focusWidget(), swatch);
    QWidget *start = named(spy, "chameleonButton2");
    start->setFocus();
    CaptionButton *close = nullptr;
    for (CaptionButton *button : spy->findChildren<CaptionButton *>())
        close =
            button->normalPicture()->objectName() == QLatin1String("close_normal") ? button : close;
    moveOver(close->normalPicture(), QPoint(5, 5));
    QCOMPARE(close->state(), CaptionButton::Hover);

    moveOver(named(spy, surface), QPoint(5, 5));
    QCOMPARE(close->state(), CaptionButton::Normal);
    QCOMPARE(QApplication::focusWidget(), focusesSwatch ? swatch : start);
}

void tst_frmcolor::leavingBelowTheTitleStripFocusesTheSwatch_data()
{
    QTest::addColumn<QPoint>("outside"); // the pointer once it has left, in the window
    QTest::addColumn<bool>("focusesSwatch");

    QTest::newRow("out of the right edge from a readout group") << QPoint(230, 270) << true;
    QTest::newRow("out of the bottom from the Start button") << QPoint(50, 360) << true;
    QTest::newRow("out of the left edge from the hint") << QPoint(-20, 297) << true;
    QTest::newRow("just below the title strip") << QPoint(-3, 29) << true;
    QTest::newRow("across the title strip") << QPoint(220, 28) << false;
    QTest::newRow("over the top") << QPoint(100, -10) << false;
}

// After Start the focus is on the Start button; the user then moves the
// pointer out to the pixel, whichever way.
void tst_frmcolor::leavingBelowTheTitleStripFocusesTheSwatch()
{
    QFETCH(QPoint, outside);
    QFETCH(bool, focusesSwatch);

    frmColor *spy = openSpy();
    QVERIFY(QTest::qWaitForWindowActive(spy));
    QWidget *swatch = named<QFrame>(spy, "Picture1");
    QWidget *start = named(spy, "chameleonButton2");
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(spy->capturing());
    QCOMPARE(QApplication::focusWidget(), start);
    QCursor::setPos(spy->mapToGlobal(outside));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(spy, &leave);
    QCOMPARE(QApplication::focusWidget(), focusesSwatch ? swatch : start);
}

QTEST_MAIN(tst_frmcolor)
#include "tst_frmcolor.moc"
