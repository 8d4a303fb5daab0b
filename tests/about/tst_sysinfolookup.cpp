#include "FakeSysInfoSource.h"
#include "about/SysInfoLookup.h"
#include "platform/DesktopSysInfoSource.h"
#include "platform/SysInfoSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, bool executable)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

} // namespace

class tst_sysinfolookup : public QObject
{
    Q_OBJECT
private slots:
    void findsTool_data();
    void findsTool();
    void toolPathIsNotChecked();
    void desktopSourceFindsKnownToolOnPath();
    void desktopSourceWithoutToolOnPath();
    void desktopFileExists_data();
    void desktopFileExists();
};

void tst_sysinfolookup::findsTool_data()
{
    QTest::addColumn<QString>("toolPath");
    QTest::addColumn<QString>("toolDirectory");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("program");

    const QString none;
    QTest::newRow("tool path named") << "/opt/info/sysinfo"
                                     << "/usr/bin" << QStringList() << true << "/opt/info/sysinfo";
    QTest::newRow("directory holds a tool")
        << none << "/usr/bin" << QStringList{"/usr/bin/hardinfo"} << true << "/usr/bin/hardinfo";
    QTest::newRow("directory with trailing slash")
        << none << "/usr/bin/" << QStringList{"/usr/bin/kinfocenter"} << true
        << "/usr/bin/kinfocenter";
    QTest::newRow("preference order")
        << none << "/usr/bin"
        << QStringList{"/usr/bin/gnome-system-monitor", "/usr/bin/kinfocenter"} << true
        << "/usr/bin/kinfocenter";
    QTest::newRow("directory without a tool")
        << none << "/usr/bin" << QStringList{"/usr/local/bin/hardinfo"} << false << "";
    QTest::newRow("empty tool path falls to directory")
        << ""
        << "/usr/bin" << QStringList{"/usr/bin/hardinfo2"} << true << "/usr/bin/hardinfo2";
    QTest::newRow("neither key") << none << none << QStringList{"/usr/bin/hardinfo"} << false << "";
    QTest::newRow("empty directory") << none << "" << QStringList{"hardinfo"} << false << "";
}

void tst_sysinfolookup::findsTool()
{
    QFETCH(QString, toolPath);
    QFETCH(QString, toolDirectory);
    QFETCH(QStringList, files);
    QFETCH(bool, found);
    QFETCH(QString, program);

    FakeSysInfoSource source;
    source.toolPath = toolPath;
    source.toolDirectory = toolDirectory;
    source.files = QSet<QString>(files.begin(), files.end());
    QString result = QStringLiteral("stale");
    QCOMPARE(SysInfoLookup::FindSysInfoTool(source, result), found);
    QCOMPARE(result, program);
}

void tst_sysinfolookup::toolPathIsNotChecked()
{
    FakeSysInfoSource source;
    source.toolPath = QStringLiteral("/nowhere/sysinfo");
    source.toolDirectory = QStringLiteral("/usr/bin");
    QString program;
    QVERIFY(SysInfoLookup::FindSysInfoTool(source, program));
    QCOMPARE(program, QStringLiteral("/nowhere/sysinfo"));
    QVERIFY(source.checked.isEmpty());
}

void tst_sysinfolookup::desktopSourceFindsKnownToolOnPath()
{
    QTemporaryDir first;
    QTemporaryDir second;
    writeFile(first.filePath("gnome-system-monitor"), true);
    writeFile(second.filePath("kinfocenter"), true);
    writeFile(first.filePath("hardinfo"), false);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", (first.path() + ':' + second.path()).toLocal8Bit());

    DesktopSysInfoSource source(SysInfoLookup::KnownTools());
    QString text;
    const bool found = source.GetKeyValue(SysInfoKey::ToolPath, text);
    qputenv("PATH", savedPath);
    QVERIFY(found);
    QCOMPARE(text, second.filePath("kinfocenter"));
}

void tst_sysinfolookup::desktopSourceWithoutToolOnPath()
{
    QTemporaryDir empty;
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    DesktopSysInfoSource source(SysInfoLookup::KnownTools());
    QString text = QStringLiteral("stale");
    const bool found = source.GetKeyValue(SysInfoKey::ToolPath, text);
    qputenv("PATH", savedPath);
    QVERIFY(!found);
    QVERIFY(text.isEmpty());
}

void tst_sysinfolookup::desktopFileExists_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("exists");
    QTest::newRow("executable file") << "tool" << true;
    QTest::newRow("plain file") << "notes" << false;
    QTest::newRow("directory") << "folder" << false;
    QTest::newRow("missing") << "absent" << false;
}

void tst_sysinfolookup::desktopFileExists()
{
    QFETCH(QString, entry);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    writeFile(dir.filePath("tool"), true);
    writeFile(dir.filePath("notes"), false);
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QCOMPARE(DesktopSysInfoSource({}).fileExists(dir.filePath(entry)), exists);
}

QTEST_GUILESS_MAIN(tst_sysinfolookup)
#include "tst_sysinfolookup.moc"
