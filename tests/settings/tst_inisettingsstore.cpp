#include "settings/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The real store on a private configuration directory.
class TestIniSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void roundTripReachesTheFile();
    void twoStoresShareEveryWrite();
    void absentKeyGivesDefault();
    void garbageFileStillWorks();
    void handEditedCommaValue();
    void unwritableDirectoryLosesWritesSilently();

private:
    QString storeFile() const;
    std::unique_ptr<QTemporaryDir> home;
    QString app;
};

// QSettings resolves the configuration directory once per process, so every
// test keeps to a store of its own name inside one private directory.
void TestIniSettingsStore::initTestCase()
{
    home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home->path().toLocal8Bit());
}

void TestIniSettingsStore::init()
{
    app = QString::fromLatin1(QTest::currentTestFunction());
}

QString TestIniSettingsStore::storeFile() const
{
    return home->path() + QStringLiteral("/%1/%1.conf").arg(app);
}

void TestIniSettingsStore::roundTripReachesTheFile()
{
    IniSettingsStore store;
    store.SaveSetting(app, "Presets", "X_L", "-45");
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY(contents.contains("[Presets]"));
    QVERIFY(contents.contains("X_L=-45"));
    QCOMPARE(store.GetSetting(app, "Presets", "X_L", ""), QStringLiteral("-45"));
}

void TestIniSettingsStore::twoStoresShareEveryWrite()
{
    IniSettingsStore first;
    IniSettingsStore second;
    first.SaveSetting(app, "Presets", "Pix", "True");
    QCOMPARE(second.GetSetting(app, "Presets", "Pix", "x"), QStringLiteral("True"));
    second.SaveSetting(app, "Presets", "Pix", "False");
    QCOMPARE(first.GetSetting(app, "Presets", "Pix", "x"), QStringLiteral("False"));
}

void TestIniSettingsStore::absentKeyGivesDefault()
{
    IniSettingsStore store;
    QCOMPARE(store.GetSetting(app, "Presets", "H1", "0"), QStringLiteral("0"));
    QCOMPARE(store.GetSetting(app, "Presets", "X_T", ""), QString());
}

void TestIniSettingsStore::garbageFileStillWorks()
{
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) % 251));
    file.write(garbage);
    file.close();
    IniSettingsStore store;
    QCOMPARE(store.GetSetting(app, "Presets", "Pix", "True"), QStringLiteral("True"));
    store.SaveSetting(app, "Presets", "Pix", "False");
    QCOMPARE(IniSettingsStore().GetSetting(app, "Presets", "Pix", ""), QStringLiteral("False"));
}

void TestIniSettingsStore::handEditedCommaValue()
{
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Presets]\nX_L=1, 5\nX_T=30\n");
    file.close();
    IniSettingsStore store;
    QCOMPARE(store.GetSetting(app, "Presets", "X_L", ""), QStringLiteral("1, 5"));
    QCOMPARE(store.GetSetting(app, "Presets", "X_T", ""), QStringLiteral("30"));
}

// A plain file where the store's directory should be: no user, root
// included, can write there.
void TestIniSettingsStore::unwritableDirectoryLosesWritesSilently()
{
    QFile blocker(QFileInfo(storeFile()).path());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store;
    store.SaveSetting(app, "Presets", "Pix", "False");
    QCOMPARE(store.GetSetting(app, "Presets", "Pix", "True"), QStringLiteral("True"));
}

QTEST_GUILESS_MAIN(TestIniSettingsStore)
#include "tst_inisettingsstore.moc"
