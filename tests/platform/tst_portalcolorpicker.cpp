// The portal client against a fake screenshot portal on a private session bus.
#include "platform/PortalColorPicker.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <memory>

class tst_portalcolorpicker : public QObject
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

void tst_portalcolorpicker::initTestCase()
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

void tst_portalcolorpicker::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
    bus.kill();
    bus.waitForFinished();
}

void tst_portalcolorpicker::cleanup()
{
    if (portal.state() != QProcess::NotRunning) {
        portal.kill();
        portal.waitForFinished();
    }
    QTRY_VERIFY(!connection->interface()->isServiceRegistered(
        QStringLiteral("org.freedesktop.portal.Desktop")));
}

void tst_portalcolorpicker::startPortal(const QStringList &how)
{
    portal.start(QStringLiteral(FAKE_PORTAL), how);
    QVERIFY(portal.waitForReadyRead(5000));
    QCOMPARE(portal.readLine(), QByteArray("ready\n"));
}

void tst_portalcolorpicker::answersAsThePortalSays_data()
{
    QTest::addColumn<QStringList>("how"); // empty: no portal on the bus
    QTest::addColumn<QString>("answer");  // the outcome, and the colour of a pick

    QTest::newRow("picked #123456")
        << QStringList{"answer", "0.070588", "0.203922", "0.337255"} << "picked 5649426";
    QTest::newRow("picked white") << QStringList{"answer", "1", "1", "1"} << "picked 16777215";
    QTest::newRow("channels outside 0 to 1 are clamped")
        << QStringList{"answer", "1.5", "-0.2", "0.5"} << "picked 8388863";
    QTest::newRow("a channel that is no number")
        << QStringList{"answer", "nan", "0", "0"} << "refused";
    QTest::newRow("cancelled") << QStringList{"cancel"} << "cancelled";
    QTest::newRow("refused") << QStringList{"refuse"} << "refused";
    QTest::newRow("D-Bus error") << QStringList{"error"} << "refused";
    QTest::newRow("answer without a colour") << QStringList{"nocolour"} << "refused";
    QTest::newRow("colour of the wrong type") << QStringList{"badcolour"} << "refused";
    QTest::newRow("no portal") << QStringList{} << "no picker";
    QTest::newRow("a portal without the screenshot interface")
        << QStringList{"nointerface"} << "no picker";
    QTest::newRow("never answers: closed at the time limit")
        << QStringList{"silent"} << "unanswered";
    QTest::newRow("dies before answering") << QStringList{"dying"} << "picker gone";
}

// Two questions at once, each answered on its own request object, within a
// time limit of two seconds.
void tst_portalcolorpicker::answersAsThePortalSays()
{
    QFETCH(QStringList, how);
    QFETCH(QString, answer);

    if (!how.isEmpty())
        startPortal(how);
    PortalColorPicker picker(*connection, std::chrono::seconds(2));
    QWidget window;
    QStringList answers;
    for (int question = 0; question < 2; ++question) {
        picker.pickColor(&window, [&answers](ColorPicker::Answer picked) {
            const char *outcomes[] = {"picked",      "refused",   "unanswered",
                                      "picker gone", "cancelled", "no picker"};
            answers << QString::fromLatin1(outcomes[picked.outcome]) +
                           (picked.outcome == ColorPicker::Answer::Picked
                                ? QStringLiteral(" %1").arg(picked.color)
                                : QString());
        });
    }
    QVERIFY(answers.isEmpty()); // never before PickColor returns
    QTRY_COMPARE_WITH_TIMEOUT(answers, (QStringList{answer, answer}), 10000);
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
    if (how.value(0) != QLatin1String("silent"))
        return;
    QStringList closed;
    for (const QByteArray &asked : {first, second})
        closed << QStringLiteral("Close ") + QString::fromLatin1(asked.split(' ').last()).trimmed();
    QTRY_VERIFY(portal.canReadLine());
    closed.removeOne(QString::fromLatin1(portal.readLine()).trimmed());
    QTRY_VERIFY(portal.canReadLine());
    closed.removeOne(QString::fromLatin1(portal.readLine()).trimmed());
    QVERIFY2(closed.isEmpty(), "each question left unanswered is closed at the portal");
}

void tst_portalcolorpicker::noAnswerOnceTheWindowIsGone()
{
    PortalColorPicker picker(*connection);
    auto window = std::make_unique<QWidget>();
    bool answered = false;
    picker.pickColor(window.get(), [&answered](ColorPicker::Answer) { answered = true; });
    window.reset();
    QTest::qWait(200);
    QVERIFY(!answered);
}

QTEST_MAIN(tst_portalcolorpicker)
#include "tst_portalcolorpicker.moc"
