#include "WindowTest.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopPeer.h"
#include "chrome/OnTopToggle.h"
#include "chrome/OpenWindows.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "settings/SettingsReading.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <vector>

namespace {

// A window with the chrome of one role, as the program's windows wear it.
class ChromedWindow : public QWidget, public OnTopPeer
{
public:
    ChromedWindow(OpenWindows::Role role, const QString &name, int width = 400)
    {
        setObjectName(name);
        resize(width, 80);
        WindowChrome::Design design{role, role == OpenWindows::About ? 0 : 1045, 730, 415};
        design.placeKeys = {{Settings::S_L, Settings::S_T}};
        chrome = std::make_unique<WindowChrome>(this, design);
    }
    bool showsOnTop() const override { return chrome->showsOnTop(); }
    void Command1_Click() override { chrome->putOnTop(); }
    CaptionButton *button(const char *normalName) const
    {
        for (CaptionButton *each : findChildren<CaptionButton *>()) {
            if (each->normalPicture()->objectName() == QLatin1String(normalName))
                return each;
        }
        return nullptr;
    }

    std::unique_ptr<WindowChrome> chrome;
};

// A window that records the mouse presses that reach it.
class PressRecordingWindow : public QWidget
{
public:
    QStringList presses;

protected:
    void mousePressEvent(QMouseEvent *) override { presses << QStringLiteral("press"); }
    void mouseDoubleClickEvent(QMouseEvent *) override { presses << QStringLiteral("double"); }
};

} // namespace

class tst_windowchrome : public WindowTest
{
    Q_OBJECT
private slots:
    void buttonStates();
    void releaseActsWhereverAndWhicheverButton_data();
    void releaseActsWhereverAndWhicheverButton();
    void normalPictureTakesNoPress();
    void toggleSwitchesTheBand();
    void toggleKeepsItsPresses();
    void cascade_data();
    void cascade();
    void captionPlaces_data();
    void captionPlaces();
    void drags_data();
    void drags();
    void placeAndUnload();
    void picturesDecodeAsQtDecodesThem();
};

void tst_windowchrome::buttonStates()
{
    QWidget window;
    window.resize(200, 100);
    CaptionButton button(CaptionButton::Close, &window);
    button.moveTo(50, 10);
    window.show();
    QCOMPARE(button.state(), CaptionButton::Normal);
    QCOMPARE(button.hoverPicture()->toolTip(), QStringLiteral("Close"));
    QTest::mouseMove(button.normalPicture(), QPoint(5, 5));
    QCOMPARE(button.state(), CaptionButton::Hover);
    QVERIFY(button.normalPicture()->isHidden() && button.downPicture()->isHidden());
    button.reset();
    QCOMPARE(button.state(), CaptionButton::Normal);
    QVERIFY(button.hoverPicture()->isHidden() && button.downPicture()->isHidden());
    QCOMPARE(button.hoverPicture()->pos(), QPoint(50, 10));
}

void tst_windowchrome::releaseActsWhereverAndWhicheverButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::newRow("left, on the button") << int(Qt::LeftButton) << QPoint(5, 5);
    QTest::newRow("left, far off the window") << int(Qt::LeftButton) << QPoint(-500, 900);
    QTest::newRow("right") << int(Qt::RightButton) << QPoint(5, 5);
    QTest::newRow("middle, off the button") << int(Qt::MiddleButton) << QPoint(40, 3);
}

void tst_windowchrome::releaseActsWhereverAndWhicheverButton()
{
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QWidget window;
    window.resize(200, 100);
    CaptionButton minimize(CaptionButton::Minimize, &window);
    window.show();
    QSignalSpy released(&minimize, &CaptionButton::released);
    QTest::mouseMove(minimize.normalPicture(), QPoint(5, 5));
    press(minimize.hoverPicture(), Qt::MouseButton(button), QPoint(5, 5));
    QCOMPARE(minimize.state(), CaptionButton::Down);
    QCOMPARE(released.count(), 0);
    // The down picture holds the mouse until the release.
    QCOMPARE(QWidget::mouseGrabber(), minimize.downPicture());
    release(minimize.downPicture(), Qt::MouseButton(button), releaseAt);
    QCOMPARE(released.count(), 1);
    QVERIFY(!QWidget::mouseGrabber());
}

void tst_windowchrome::normalPictureTakesNoPress()
{
    QWidget window;
    CaptionButton close(CaptionButton::Close, &window);
    window.show();
    QSignalSpy released(&close, &CaptionButton::released);
    QTest::mouseClick(close.normalPicture(), Qt::LeftButton);
    QCOMPARE(close.state(), CaptionButton::Normal);
    QCOMPARE(released.count(), 0);
}

void tst_windowchrome::toggleSwitchesTheBand()
{
    QWidget window;
    window.setObjectName("window");
    OnTopToggle toggle(&window, &window);
    window.show();
    QVERIFY(!toggle.showsOnTop());
    QVERIFY(!toggle.Top_N()->isHidden());
    QSignalSpy clicked(&toggle, &OnTopToggle::Top_N_Clicked);
    QTest::mouseClick(toggle.Top_N(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    toggle.putOnTop();
    QVERIFY(toggle.showsOnTop());
    QVERIFY(toggle.Top_N()->isHidden());
    toggle.takeOffTop();
    QCOMPARE(fakes->band.calls, QStringList({"window:on", "window:off"}));
    QCOMPARE(toggle.Top_Y()->toolTip(), QStringLiteral("On Top"));
    QCOMPARE(toggle.Top_N()->toolTip(), QStringLiteral("Not On Top"));
}

// Two quick clicks on the pin are two clicks of the pin, never a double-click
// (or a drag) of the window beneath it.
void tst_windowchrome::toggleKeepsItsPresses()
{
    PressRecordingWindow window;
    OnTopToggle toggle(&window, &window);
    window.show();
    QSignalSpy clicked(&toggle, &OnTopToggle::Top_N_Clicked);
    // A double-click as it arrives: press, release, double-click, release.
    for (QLabel *picture : {toggle.Top_N(), toggle.Top_Y()}) {
        picture->show();
        press(picture, Qt::LeftButton);
        release(picture, Qt::LeftButton);
        doubleClick(picture, Qt::LeftButton);
        release(picture, Qt::LeftButton);
        press(picture, Qt::RightButton);
        release(picture, Qt::RightButton);
    }
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(window.presses, QStringList());
}

void tst_windowchrome::cascade_data()
{
    QTest::addColumn<int>("from");
    // r, s, m: open and on top; R, S, M: open, not on top; a: the About box, which has no pin
    QTest::addColumn<QString>("open");
    QTest::addColumn<QStringList>("reasserted");
    using OpenWindows::Mixer, OpenWindows::Ruler, OpenWindows::Spy;
    QTest::newRow("ruler, all on top") << int(Ruler) << "rsma" << QStringList{"s", "m"};
    QTest::newRow("spy, all on top") << int(Spy) << "rsm" << QStringList{"r", "m"};
    QTest::newRow("mixer, all on top") << int(Mixer) << "rsma" << QStringList{"r", "s"};
    QTest::newRow("spy closed") << int(Ruler) << "rm" << QStringList{"m"};
    QTest::newRow("others off the top") << int(Spy) << "RsM" << QStringList{};
    QTest::newRow("only the ruler") << int(Ruler) << "r" << QStringList{};
}

void tst_windowchrome::cascade()
{
    QFETCH(int, from);
    QFETCH(QString, open);
    QFETCH(QStringList, reasserted);
    std::vector<std::unique_ptr<ChromedWindow>> windows;
    const QString roles = QStringLiteral("rsma");
    ChromedWindow *leaving = nullptr;
    for (const QChar window : open) {
        const auto role = OpenWindows::Role(roles.indexOf(window.toLower()));
        windows.push_back(std::make_unique<ChromedWindow>(role, window.toLower()));
        if (window.isLower() && role != OpenWindows::About)
            windows.back()->chrome->putOnTop();
        leaving = role == from ? windows.back().get() : leaving;
    }
    fakes->band.calls.clear();
    leaving->chrome->takeOffTop();
    QVERIFY(!leaving->showsOnTop());
    QStringList calls{roles.at(from) + QStringLiteral(":off")};
    for (const QString &window : reasserted)
        calls << window + QStringLiteral(":on");
    QCOMPARE(fakes->band.calls, calls);
    windows.clear();
    QVERIFY(!OpenWindows::find(OpenWindows::Ruler));
}

void tst_windowchrome::captionPlaces_data()
{
    QTest::addColumn<int>("width");            // pixels
    QTest::addColumn<QList<int>>("fromRight"); // twips: pin, minimise, close
    QTest::addColumn<bool>("resizeResetsClose");
    QTest::addColumn<QList<int>>("lefts"); // pixels
    const QList<int> ruler{1045, 730, 415};
    QTest::newRow("ruler") << 400 << ruler << false << QList<int>{330, 351, 372};
    QTest::newRow("ruler, shortest") << 32 << ruler << false << QList<int>{-38, -17, 4};
    QTest::newRow("Color Spy") << 197 << QList<int>{1185, 815, 435} << true
                               << QList<int>{118, 143, 168};
    QTest::newRow("Color Mixer") << 387 << QList<int>{1205, 805, 425} << true
                                 << QList<int>{307, 333, 359};
}

// Against the right edge at every resize, which returns the minimise button
// to normal, and the close button where the window's design says so.
void tst_windowchrome::captionPlaces()
{
    QFETCH(int, width);
    QFETCH(QList<int>, fromRight);
    QFETCH(bool, resizeResetsClose);
    QFETCH(QList<int>, lefts);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(600, 84);
    WindowChrome::Design design{OpenWindows::Spy, fromRight[0], fromRight[1], fromRight[2]};
    design.resizeResetsClose = resizeResetsClose;
    design.closeNames = {"Image3", nullptr, nullptr};
    WindowChrome chrome(&window, design);
    QCOMPARE(chrome.pictures().size(), 8);
    window.show();
    for (const char *normal : {"Image3", "min_normal"})
        moveOver(named(&window, normal), QPoint(5, 5));
    window.resize(width, 84);
    chrome.layOut();
    QCOMPARE(named(&window, "top_on")->x(), lefts[0]);
    QCOMPARE(named(&window, "min_down")->pos(), QPoint(lefts[1], 4));
    QCOMPARE(named(&window, "close_hover")->x(), lefts[2]);
    QVERIFY(named(&window, "min_hover")->isHidden());
    QCOMPARE(named(&window, "close_hover")->isHidden(), resizeResetsClose);
}

void tst_windowchrome::drags_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<bool>("continued");
    QTest::newRow("left press on a handle") << "handle left" << true << false;
    QTest::newRow("right press on a handle") << "handle right" << false << false;
    QTest::newRow("left press elsewhere") << "elsewhere" << false << false;
    QTest::newRow("a handler's left press") << "MouseDown left" << true << false;
    QTest::newRow("a handler's middle press") << "MouseDown middle" << false << false;
    QTest::newRow("past the drag distance") << "DragFrom" << true << true;
}

void tst_windowchrome::drags()
{
    QFETCH(QString, how);
    QFETCH(bool, moves);
    QFETCH(bool, continued);
    ChromedWindow window(OpenWindows::Mixer, QStringLiteral("m"));
    auto *handle = new QLabel(&window);
    auto *other = new QLabel(&window);
    window.chrome->addDragHandles({handle});
    window.show();
    const QPoint pressed = handle->mapToGlobal(QPoint(3, 4));
    if (how.startsWith(QLatin1String("handle")))
        press(handle, how.endsWith(QLatin1String("left")) ? Qt::LeftButton : Qt::RightButton,
              QPoint(3, 4));
    else if (how == QLatin1String("elsewhere"))
        press(other, Qt::LeftButton);
    else if (how.startsWith(QLatin1String("MouseDown")))
        window.chrome->pressOnHandle(
            how.endsWith(QLatin1String("left")) ? Qt::LeftButton : Qt::MiddleButton, pressed);
    else
        window.chrome->dragFrom(QPoint(7, 9));
    QCOMPARE(fakes->mover.moves, moves ? QList<QWidget *>{&window} : QList<QWidget *>());
    // The move keeps the pressed point under the pointer, not where the
    // pointer is by the time the program hears of the press.
    QCOMPARE(fakes->mover.pressedAt,
             moves && !continued ? QList<QPoint>{pressed} : QList<QPoint>());
    QCOMPARE(fakes->mover.continuedFrom, continued ? QList<QPoint>{QPoint(7, 9)} : QList<QPoint>());
}

// The place under the window's two keys in one save, read back an edge a
// key; the unloading runs once, and takes the window out of the registry.
void tst_windowchrome::placeAndUnload()
{
    ChromedWindow window(OpenWindows::Spy, QStringLiteral("s"));
    window.move(100, 200);
    window.chrome->storePosition();
    QCOMPARE(fakes->settings.saves, (QList<QStringList>{{"S_L=1500", "S_T=3000"}}));
    window.move(0, 0);
    window.chrome->restorePosition(SettingsReading({Settings::S_L, Settings::S_T}));
    QCOMPARE(window.pos(), QPoint(100, 200));
    int unloads = 0;
    QCOMPARE(OpenWindows::find(OpenWindows::Spy), &window);
    window.chrome->unload([&] { ++unloads; });
    window.chrome->unload([&] { ++unloads; });
    QCOMPARE(unloads, 1);
    QVERIFY(!OpenWindows::find(OpenWindows::Spy));
}

// The pictures are decoded without Qt's image reader, pixel for pixel as it
// decodes them.
void tst_windowchrome::picturesDecodeAsQtDecodesThem()
{
    const QStringList pictures = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.png")});
    QVERIFY(pictures.size() >= 10);
    for (const QString &file : pictures) {
        const QByteArray name = QFileInfo(file).completeBaseName().toLatin1();
        const QImage ours = ToolLook::assetImage(name.constData());
        const QImage qts(QStringLiteral(":/") + file);
        QVERIFY2(!ours.isNull(), name.constData());
        QVERIFY2(ours.convertToFormat(QImage::Format_ARGB32) ==
                     qts.convertToFormat(QImage::Format_ARGB32),
                 name.constData());
        QCOMPARE(ours.hasAlphaChannel(), qts.hasAlphaChannel());
    }
}

QTEST_MAIN(tst_windowchrome)
#include "tst_windowchrome.moc"
