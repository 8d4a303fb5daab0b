// The portal client against a fake screenshot portal on a private session bus.
#include "platform/PortalColorPicker.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <memory>

class tst_PortalColorPicker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void answersAsThePortalSays_data();
    void answersAsThePortalSays();
    void noAnswerOnceTheWindowIsGone();

private:
    void startPortal(const QStringList &how);

    QProcess bus;
    std::unique_ptr<QDBusConnection> connection;
    QProcess portal;
};

void tst_PortalColorPicker::initTestCase()
{
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--nofork"), QStringLiteral("--config-file=" SESSION_BUS_CONFIG),
               QStringLiteral("--print-address=1")});
    QVERIFY2(bus.waitForReadyRead(5000), "dbus-daemon gives its address");
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    connection = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(address, QStringLiteral("private")));
    QVERIFY2(connection->isConnected(), qPrintable(address));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    portal.setProcessEnvironment(environment);
}

void tst_PortalColorPicker::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
    bus.kill();
    bus.waitForFinished();
}

void tst_PortalColorPicker::cleanup()
{
    if (portal.state() != QProcess::NotRunning) {
        portal.kill();
        portal.waitForFinished();
    }
    QTRY_VERIFY(!connection->interface()->isServiceRegistered(
        QStringLiteral("org.freedesktop.portal.Desktop")));
}

void tst_PortalColorPicker::startPortal(const QStringList &how)
{
    portal.start(QStringLiteral(FAKE_PORTAL), how);
    QVERIFY(portal.waitForReadyRead(5000));
    QCOMPARE(portal.readLine(), QByteArray("ready\n"));
}

void tst_PortalColorPicker::answersAsThePortalSays_data()
{
    QTest::addColumn<QStringList>("how"); // empty: no portal on the bus
    QTest::addColumn<qint32>("color");

    QTest::newRow("picked #123456")
        << QStringList{"answer", "0.070588", "0.203922", "0.337255"} << 5649426;
    QTest::newRow("picked white") << QStringList{"answer", "1", "1", "1"} << 16777215;
    QTest::newRow("channels outside 0 to 1 are clamped")
        << QStringList{"answer", "1.5", "-0.2", "0.5"} << 255 + 65536 * 128;
    QTest::newRow("a channel that is no number") << QStringList{"answer", "nan", "0", "0"} << -1;
    QTest::newRow("cancelled") << QStringList{"cancel"} << -1;
    QTest::newRow("refused") << QStringList{"refuse"} << -1;
    QTest::newRow("D-Bus error") << QStringList{"error"} << -1;
    QTest::newRow("answer without a colour") << QStringList{"nocolour"} << -1;
    QTest::newRow("colour of the wrong type") << QStringList{"badcolour"} << -1;
    QTest::newRow("no portal") << QStringList{} << -1;
}

// Two questions at once, each answered on its own request object.
void tst_PortalColorPicker::answersAsThePortalSays()
{
    QFETCH(QStringList, how);
    QFETCH(qint32, color);

    if (!how.isEmpty())
        startPortal(how);
    PortalColorPicker picker(*connection);
    QWidget window;
    QList<qint32> answers;
    for (int question = 0; question < 2; ++question)
        picker.PickColor(&window, [&answers](qint32 picked) { answers << picked; });
    QVERIFY(answers.isEmpty()); // never before PickColor returns
    QTRY_COMPARE(answers, (QList<qint32>{color, color}));
    QTest::qWait(100);
    QCOMPARE(answers.size(), 2);

    if (how.isEmpty())
        return;
    QTRY_VERIFY(portal.canReadLine());
    const QByteArray first = portal.readLine();
    QTRY_VERIFY(portal.canReadLine());
    const QByteArray second = portal.readLine();
    QVERIFY2(first.startsWith("PickColor  ") && first.size() > 12, first); // a token, no window
    QVERIFY2(first != second, "each question has its own token");
}

void tst_PortalColorPicker::noAnswerOnceTheWindowIsGone()
{
    PortalColorPicker picker(*connection);
    auto window = std::make_unique<QWidget>();
    bool answered = false;
    picker.PickColor(window.get(), [&answered](qint32) { answered = true; });
    window.reset();
    QTest::qWait(200);
    QVERIFY(!answered);
}

QTEST_MAIN(tst_PortalColorPicker)
#include "tst_portalcolorpicker.moc"
