#include "platform/MonitorLayout.h"

#include <QTest>

using Monitors = QList<MonitorLayout::Monitor>;
Q_DECLARE_METATYPE(Monitors)

class tst_monitorlayout : public QObject
{
    Q_OBJECT
private slots:
    void coordinatesCountFromThePrimaryMonitor_data();
    void coordinatesCountFromThePrimaryMonitor();
};

void tst_monitorlayout::coordinatesCountFromThePrimaryMonitor_data()
{
    QTest::addColumn<Monitors>("monitors");
    QTest::addColumn<QPoint>("root");   // a point of the root window
    QTest::addColumn<QPoint>("screen"); // the same point as the program shows it
    QTest::addColumn<bool>("covered");

    const QRect left(0, 0, 1280, 1024), right(1280, 0, 1024, 768);
    QTest::newRow("one monitor, primary")
        << Monitors{{left, true}} << QPoint(100, 200) << QPoint(100, 200) << true;
    QTest::newRow("primary on the right: left of it is negative")
        << Monitors{{left, false}, {right, true}} << QPoint(100, 200) << QPoint(-1180, 200) << true;
    QTest::newRow("primary on the right: a point on it")
        << Monitors{{left, false}, {right, true}} << QPoint(1300, 10) << QPoint(20, 10) << true;
    QTest::newRow("primary below: above it is negative")
        << Monitors{{QRect(0, 0, 800, 600), false}, {QRect(100, 600, 800, 600), true}}
        << QPoint(50, 30) << QPoint(-50, -570) << true;
    QTest::newRow("no primary: the root's origin stays")
        << Monitors{{right, false}, {left, false}} << QPoint(1300, 10) << QPoint(1300, 10) << true;
    QTest::newRow("below the narrower monitor: on none")
        << Monitors{{left, true}, {right, false}} << QPoint(1500, 900) << QPoint(1500, 900)
        << false;
    QTest::newRow("no monitor listed: the whole root shows")
        << Monitors{} << QPoint(5, 5) << QPoint(5, 5) << true;
}

void tst_monitorlayout::coordinatesCountFromThePrimaryMonitor()
{
    QFETCH(Monitors, monitors);
    QFETCH(QPoint, root);
    QFETCH(QPoint, screen);
    QFETCH(bool, covered);

    const MonitorLayout layout(monitors);
    QCOMPARE(layout.fromRoot(root), screen);
    QCOMPARE(layout.toRoot(screen), root);
    QCOMPARE(layout.covers(root), covered);
}

QTEST_APPLESS_MAIN(tst_monitorlayout)
#include "tst_monitorlayout.moc"
