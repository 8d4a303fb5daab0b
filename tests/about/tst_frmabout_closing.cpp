#include "AboutTest.h"
#include "about/AboutCloseButton.h"
#include "about/frmAbout.h"
#include "button/chameleonButton.h"
#include "platform/PlatformServices.h"
#include "platform/QtMessageShower.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

// The About box's System Info and its message, its drags, and the ways it
// closes.

namespace {

const QString unavailableMessage =
    QStringLiteral("Ombrix|System Information Is Unavailable At This Time");

} // namespace

class tst_frmabout_closing : public AboutTest
{
    Q_OBJECT
private slots:
    void sysInfo_data();
    void sysInfo();
    void sysInfoButtonRunsStartSysInfo();
    void desktopMessageHasOneOkButton();
    void unloadWhileMessageIsOpen();
    void dragHandles_data();
    void dragHandles();
    void closePaths_data();
    void closePaths();
    void atMostOneInstance();
    void unloadDestroysAndStoresNothing();
};

void tst_frmabout_closing::sysInfo_data()
{
    QTest::addColumn<QString>("toolPath");
    QTest::addColumn<QString>("toolDirectory");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QString>("started");
    QTest::addColumn<bool>("message");

    const QString none;
    QTest::newRow("tool path, started unchecked")
        << "/opt/info/sysinfo" << none << QStringList() << true << "/opt/info/sysinfo" << false;
    QTest::newRow("directory with the tool")
        << none << "/usr/bin" << QStringList{"/usr/bin/hardinfo"} << true << "/usr/bin/hardinfo"
        << false;
    QTest::newRow("directory without the tool")
        << none << "/usr/bin" << QStringList() << true << "" << true;
    QTest::newRow("no tool anywhere") << none << none << QStringList() << true << "" << true;
    QTest::newRow("start fails") << "/opt/info/sysinfo" << none << QStringList() << false
                                 << "/opt/info/sysinfo" << true;
}

void tst_frmabout_closing::sysInfo()
{
    QFETCH(QString, toolPath);
    QFETCH(QString, toolDirectory);
    QFETCH(QStringList, files);
    QFETCH(bool, startSucceeds);
    QFETCH(QString, started);
    QFETCH(bool, message);

    fakes->shell.startSucceeds = startSucceeds;
    FakeSysInfoSource &source = fakes->sysInfo;
    source.toolPath = toolPath;
    source.toolDirectory = toolDirectory;
    source.files = QSet<QString>(files.begin(), files.end());
    const FakeMessageShower &shower = fakes->messages;
    frmAbout *box = OpenWindows::show<frmAbout>();

    box->StartSysInfo();

    const QList<QStringList> expectedStarts =
        started.isEmpty() ? QList<QStringList>() : QList<QStringList>{QStringList{started}};
    QCOMPARE(fakes->shell.started, expectedStarts);
    QCOMPARE(shower.messages, message ? QStringList{unavailableMessage} : QStringList());
    if (message)
        QCOMPARE(shower.parents.value(0), box);
    QVERIFY(fakes->shell.opened.isEmpty());
    QCOMPARE(OpenWindows::find<frmAbout>(), box);
    QVERIFY(box->isVisible());
}

void tst_frmabout_closing::sysInfoButtonRunsStartSysInfo()
{
    FakeSysInfoSource &source = fakes->sysInfo;
    const FakeMessageShower &shower = fakes->messages;
    frmAbout *box = OpenWindows::show<frmAbout>();
    emit named<chameleonButton>(box, "chameleonButton4")->Click();
    QCOMPARE(shower.messages, QStringList{unavailableMessage});
    source.toolPath = QStringLiteral("/usr/bin/kinfocenter");
    emit named<chameleonButton>(box, "chameleonButton4")->Click();
    QCOMPARE(fakes->shell.started, QList<QStringList>{QStringList{"/usr/bin/kinfocenter"}});
    QCOMPARE(shower.messages.size(), 1);
}

// The box's own message box, seen from inside its modal loop and answered there.
void tst_frmabout_closing::desktopMessageHasOneOkButton()
{
    QtMessageShower desktop;
    platform().messages = &desktop;
    frmAbout *box = OpenWindows::show<frmAbout>();
    QString title;
    QString text;
    int buttonCount = 0;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!message)
            return;
        title = message->windowTitle();
        text = message->text();
        buttonCount = message->buttons().size();
        answer = message->standardButton(message->buttons().value(0));
        message->buttons().value(0)->click();
    });
    box->StartSysInfo();
    QCOMPARE(title, QStringLiteral("Ombrix"));
    QCOMPARE(text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(buttonCount, 1);
    QCOMPARE(answer, QMessageBox::Ok);
    QCOMPARE(OpenWindows::find<frmAbout>(), box);
    QVERIFY(box->isVisible());
}

void tst_frmabout_closing::unloadWhileMessageIsOpen()
{
    QtMessageShower desktop;
    platform().messages = &desktop;
    QPointer<frmAbout> box = OpenWindows::show<frmAbout>();
    QPointer<QWidget> message;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        message = QApplication::activeModalWidget();
        seen = qobject_cast<QMessageBox *>(message) != nullptr;
        OpenWindows::unloadOthers(OpenWindows::Ruler);
    });
    box->StartSysInfo();
    QVERIFY(seen);
    QVERIFY(box.isNull());
    QVERIFY(message.isNull());
}

void tst_frmabout_closing::dragHandles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("moves");
    QTest::newRow("strip middle, left") << "imgTitleMiddle" << Qt::LeftButton << true;
    QTest::newRow("strip middle, right") << "imgTitleMiddle" << Qt::RightButton << false;
    QTest::newRow("title text, left") << "Label1" << Qt::LeftButton << true;
    QTest::newRow("title text, middle") << "Label1" << Qt::MiddleButton << false;
    QTest::newRow("strip left end") << "imgTitleLeft" << Qt::LeftButton << false;
    QTest::newRow("background") << "imgBackground" << Qt::LeftButton << false;
    QTest::newRow("version") << "lblVersion" << Qt::LeftButton << false;
}

void tst_frmabout_closing::dragHandles()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, moves);
    frmAbout *box = OpenWindows::show<frmAbout>();
    press(named(box, name), mouseButton, QPoint(3, 3));
    QCOMPARE(fakes->mover.moves, moves ? QList<QWidget *>{box} : QList<QWidget *>());
}

void tst_frmabout_closing::closePaths_data()
{
    QTest::addColumn<bool>("byCaptionPicture");
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::newRow("Clo&se button") << false << Qt::LeftButton;
    QTest::newRow("close picture, left") << true << Qt::LeftButton;
    QTest::newRow("close picture, right") << true << Qt::RightButton;
}

void tst_frmabout_closing::closePaths()
{
    QFETCH(bool, byCaptionPicture);
    QFETCH(Qt::MouseButton, mouseButton);
    QPointer<frmAbout> box = OpenWindows::show<frmAbout>();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    if (byCaptionPicture) {
        QWindow *window = box->windowHandle();
        QTest::mousePress(window, mouseButton, {}, QPoint(360, 10));
        QVERIFY(box->closeButton()->isDown());
        QVERIFY(box->isVisible());
        // Released far away from the button: it still closes.
        QTest::mouseRelease(window, mouseButton, {}, QPoint(30, 250));
    } else {
        emit named<chameleonButton>(box, "chameleonButton3")->Click();
    }
    QCOMPARE(OpenWindows::find<frmAbout>(), nullptr);
    settle();
    QVERIFY(box.isNull());
    QVERIFY(fakes->settings.writes.isEmpty());
}

void tst_frmabout_closing::atMostOneInstance()
{
    QCOMPARE(OpenWindows::find<frmAbout>(), nullptr);
    frmAbout *first = OpenWindows::show<frmAbout>();
    first->hide();
    frmAbout *second = OpenWindows::show<frmAbout>();
    QCOMPARE(second, first);
    QVERIFY(first->isVisible());
    first->showMinimized();
    QCOMPARE(OpenWindows::show<frmAbout>(), first);
    QVERIFY(!first->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(fakes->band.calls.size(), 1);

    emit named<chameleonButton>(first, "chameleonButton3")->Click();
    settle();
    frmAbout *third = OpenWindows::show<frmAbout>();
    QVERIFY(third);
    QCOMPARE(OpenWindows::find<frmAbout>(), third);
    QCOMPARE(fakes->band.calls.size(), 2);
}

void tst_frmabout_closing::unloadDestroysAndStoresNothing()
{
    fakes->settings.values.insert(QStringLiteral("Presets/X_L"), QStringLiteral("1500"));
    QPointer<frmAbout> box = OpenWindows::show<frmAbout>();
    OpenWindows::unloadOthers(OpenWindows::Ruler);
    QCOMPARE(OpenWindows::find<frmAbout>(), nullptr);
    settle();
    QVERIFY(box.isNull());
    OpenWindows::unloadOthers(OpenWindows::Ruler);
    QVERIFY(fakes->settings.writes.isEmpty());
    QCOMPARE(fakes->settings.values.size(), 1);
}

QTEST_MAIN(tst_frmabout_closing)
#include "tst_frmabout_closing.moc"
