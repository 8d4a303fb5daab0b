#include "WindowTest.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopPeer.h"
#include "chrome/OnTopToggle.h"
#include "chrome/OpenWindows.h"
#include "chrome/ToolLook.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

// A window of the cascade that records when it is asked back on top.
class FakePeer : public QWidget, public OnTopPeer
{
public:
    FakePeer(QStringList &log, const QString &name, bool onTop) : log(log), name(name), onTop(onTop)
    {
    }
    bool ShowsOnTop() const override { return onTop; }
    void Command1_Click() override { log << name; }

    QStringList &log;
    QString name;
    bool onTop;
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

class TestCaptionChrome : public WindowTest
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
    void picturesDecodeAsQtDecodesThem();
};

void TestCaptionChrome::buttonStates()
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
    button.Reset();
    QCOMPARE(button.state(), CaptionButton::Normal);
    QVERIFY(button.hoverPicture()->isHidden() && button.downPicture()->isHidden());
    QCOMPARE(button.hoverPicture()->pos(), QPoint(50, 10));
}

void TestCaptionChrome::releaseActsWhereverAndWhicheverButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::newRow("left, on the button") << int(Qt::LeftButton) << QPoint(5, 5);
    QTest::newRow("left, far off the window") << int(Qt::LeftButton) << QPoint(-500, 900);
    QTest::newRow("right") << int(Qt::RightButton) << QPoint(5, 5);
    QTest::newRow("middle, off the button") << int(Qt::MiddleButton) << QPoint(40, 3);
}

void TestCaptionChrome::releaseActsWhereverAndWhicheverButton()
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

void TestCaptionChrome::normalPictureTakesNoPress()
{
    QWidget window;
    CaptionButton close(CaptionButton::Close, &window);
    window.show();
    QSignalSpy released(&close, &CaptionButton::released);
    QTest::mouseClick(close.normalPicture(), Qt::LeftButton);
    QCOMPARE(close.state(), CaptionButton::Normal);
    QCOMPARE(released.count(), 0);
}

void TestCaptionChrome::toggleSwitchesTheBand()
{
    QWidget window;
    window.setObjectName("window");
    OnTopToggle toggle(&window, &window);
    window.show();
    QVERIFY(!toggle.ShowsOnTop());
    QVERIFY(!toggle.Top_N()->isHidden());
    QSignalSpy clicked(&toggle, &OnTopToggle::Top_N_Clicked);
    QTest::mouseClick(toggle.Top_N(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    toggle.PutOnTop();
    QVERIFY(toggle.ShowsOnTop());
    QVERIFY(toggle.Top_N()->isHidden());
    toggle.TakeOffTop();
    QCOMPARE(fakes->band.calls, QStringList({"window:on", "window:off"}));
    QCOMPARE(toggle.Top_Y()->toolTip(), QStringLiteral("On Top"));
    QCOMPARE(toggle.Top_N()->toolTip(), QStringLiteral("Not On Top"));
}

// Two quick clicks on the pin are two clicks of the pin, never a double-click
// (or a drag) of the window beneath it.
void TestCaptionChrome::toggleKeepsItsPresses()
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

void TestCaptionChrome::cascade_data()
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

void TestCaptionChrome::cascade()
{
    QFETCH(int, from);
    QFETCH(QString, open);
    QFETCH(QStringList, reasserted);
    QStringList log;
    std::vector<std::unique_ptr<QWidget>> windows;
    const QString roles = QStringLiteral("rsma");
    for (const QChar window : open) {
        const auto role = OpenWindows::Role(roles.indexOf(window.toLower()));
        windows.push_back(
            window == QLatin1Char('a')
                ? std::make_unique<QWidget>()
                : std::make_unique<FakePeer>(log, window.toLower(), window.isLower()));
        OpenWindows::Register(role, windows.back().get());
    }
    OpenWindows::ReassertOthers(OpenWindows::Role(from));
    QCOMPARE(log, reasserted);
    for (int role = 0; role < OpenWindows::RoleCount; ++role)
        OpenWindows::Forget(OpenWindows::Role(role), OpenWindows::Find(OpenWindows::Role(role)));
    QVERIFY(!OpenWindows::Find(OpenWindows::Ruler));
}

// The pictures are decoded without Qt's image reader, pixel for pixel as it
// decodes them.
void TestCaptionChrome::picturesDecodeAsQtDecodesThem()
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

QTEST_MAIN(TestCaptionChrome)
#include "tst_captionchrome.moc"
