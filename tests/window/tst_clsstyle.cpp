#include "WindowTest.h"
#include "window/clsStyle.h"

#include <QMouseEvent>
#include <QTest>

class tst_clsstyle : public WindowTest
{
    Q_OBJECT
private slots:
    void withoutClient();
    void features_data();
    void features();
    void titlebarKeepsOuterRectangle();
    void topMostGoesThroughTheBand();
    void backgroundGestures();
    void packPoint_data();
    void packPoint();
};

void tst_clsstyle::withoutClient()
{
    clsStyle style;
    QCOMPARE(style.hwnd(), 0u);
    style.setTitlebar(-1);
    QCOMPARE(style.Titlebar(), qint16(0));
    QCOMPARE(style.ControlBox(), qint16(0));
    QCOMPARE(style.TopMost(), qint16(0));
}

void tst_clsstyle::features_data()
{
    QTest::addColumn<int>("feature");
    QTest::newRow("ControlBox") << 0;
    QTest::newRow("MaxButton") << 1;
    QTest::newRow("MinButton") << 2;
    QTest::newRow("Sizable") << 3;
    QTest::newRow("Titlebar") << 4;
    QTest::newRow("ToolWindow") << 5;
    QTest::newRow("WhatsThisButton") << 6;
}

// Each feature reads back what was set and leaves every other feature alone.
void tst_clsstyle::features()
{
    QFETCH(int, feature);
    using Getter = qint16 (clsStyle::*)() const;
    using Setter = void (clsStyle::*)(qint16);
    const std::pair<Getter, Setter> members[] = {
        {&clsStyle::ControlBox, &clsStyle::setControlBox},
        {&clsStyle::MaxButton, &clsStyle::setMaxButton},
        {&clsStyle::MinButton, &clsStyle::setMinButton},
        {&clsStyle::Sizable, &clsStyle::setSizable},
        {&clsStyle::Titlebar, &clsStyle::setTitlebar},
        {&clsStyle::ToolWindow, &clsStyle::setToolWindow},
        {&clsStyle::WhatsThisButton, &clsStyle::setWhatsThisButton},
    };
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    clsStyle style;
    style.setClient(&window);
    const auto snapshot = [&] {
        QList<qint16> values;
        for (const auto &[get, set] : members)
            values << (style.*get)();
        return values;
    };
    for (qint16 value : {qint16(-1), qint16(0), qint16(1), qint16(0)}) {
        QList<qint16> expected = snapshot();
        expected[feature] = value ? -1 : 0;
        (style.*members[feature].second)(value);
        QCOMPARE(snapshot(), expected);
    }
}

void tst_clsstyle::titlebarKeepsOuterRectangle()
{
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window.setGeometry(100, 200, 400, 84);
    window.show();
    const QRect outer = window.frameGeometry();
    clsStyle style;
    style.setClient(&window);
    QCOMPARE(style.Titlebar(), qint16(-1));
    style.setTitlebar(0);
    QCOMPARE(style.Titlebar(), qint16(0));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.frameGeometry(), outer);
    style.setTitlebar(-1);
    QCOMPARE(style.Titlebar(), qint16(-1));
}

void tst_clsstyle::topMostGoesThroughTheBand()
{
    QWidget window;
    window.setObjectName("w");
    clsStyle style;
    style.setClient(&window);
    style.setTopMost(5);
    QCOMPARE(style.TopMost(), qint16(-1));
    style.setTopMost(0);
    QCOMPARE(style.TopMost(), qint16(0));
    QCOMPARE(fakes->band.calls, QStringList({"w:on", "w:off"}));
}

// A left press drags, a right release opens the window manager's menu at the
// pointer (narrowed to 16 bits as the packed point carries it): each only on
// the background and once switched on.
void tst_clsstyle::backgroundGestures()
{
    QWidget window;
    window.resize(200, 100);
    QWidget child(&window);
    child.setGeometry(0, 0, 50, 50);
    window.show();
    clsStyle style;
    style.setClient(&window);
    press(&window, Qt::LeftButton, QPoint(100, 80));
    QCOMPARE(fakes->mover.moves.size(), 0); // AutoDrag is off at first
    style.setAutoDrag(-1);
    press(&window, Qt::RightButton, QPoint(100, 80));
    QCOMPARE(fakes->mover.moves.size(), 0);
    press(&window, Qt::LeftButton, QPoint(100, 80));
    QCOMPARE(fakes->mover.pressedAt, QList<QPoint>{window.mapToGlobal(QPoint(100, 80))});
    press(&child, Qt::LeftButton, QPoint(10, 10));
    QCOMPARE(fakes->mover.moves.size(), 1);

    release(&window, Qt::RightButton, QPoint(100, 80));
    QVERIFY(fakes->windowMenu.windows.isEmpty()); // AutoSysMenu is off at first
    style.setAutoSysMenu(-1);
    release(&window, Qt::LeftButton, QPoint(100, 80));
    release(&child, Qt::RightButton, QPoint(10, 10));
    QVERIFY(fakes->windowMenu.windows.isEmpty());
    release(&window, Qt::RightButton, QPoint(100, 80));
    QCOMPARE(fakes->windowMenu.windows, QList<QWidget *>{&window});
    QCOMPARE(fakes->windowMenu.points, QList<QPoint>{QCursor::pos()});
    style.ShowSysMenu(0x12345, -2);
    QCOMPARE(fakes->windowMenu.points.last(), QPoint(0x2345, -2));
}

void tst_clsstyle::packPoint_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<uint>("packed");
    QTest::newRow("origin") << 0 << 0 << 0u;
    QTest::newRow("plain") << 100 << 200 << 0x00C80064u;
    QTest::newRow("negative x stays out of y") << -1 << 5 << 0x0005FFFFu;
    QTest::newRow("negative y") << 3 << -2 << 0xFFFE0003u;
    QTest::newRow("narrowed to 16 bits") << 0x12345 << 0x10002 << 0x00022345u;
}

void tst_clsstyle::packPoint()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(uint, packed);
    QCOMPARE(clsStyle::packPoint(x, y), packed);
}

QTEST_MAIN(tst_clsstyle)
#include "tst_clsstyle.moc"
