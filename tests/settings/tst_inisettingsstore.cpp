#include "settings/IniSettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

// The real store on a private configuration directory.
class tst_inisettingsstore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void roundTripReachesTheFile();
    void twoStoresShareEveryWrite();
    void absentKeyGivesDefault();
    void garbageFileStillWorks();
    void handEditedCommaValue();
    void unwritableDirectoryLosesWritesSilently();
    void storeLiesWhereXdgSays_data();
    void storeLiesWhereXdgSays();
    void onlyARegularFileIsAStore_data();
    void onlyARegularFileIsAStore();
    void whereAWriteGoes_data();
    void whereAWriteGoes();
    void writeKeepsTheProgramsKeysOnly();
    void largeStoreIsReadAsFarAsTheLimit();

private:
    QString storeFile() const;
    QMap<QString, QString> read(const QStringList &keys) const;
    void save(const QList<QPair<QString, QString>> &keysAndTexts) const;
    void writeFile(const QByteArray &text) const;
    QByteArray fileText() const;

    std::unique_ptr<QTemporaryDir> home;
    QString app;
};

void tst_inisettingsstore::init()
{
    home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home->filePath("config").toLocal8Bit());
    qputenv("HOME", home->path().toLocal8Bit());
    app = QString::fromLatin1(QTest::currentTestFunction());
}

void tst_inisettingsstore::cleanup()
{
    home.reset();
}

QString tst_inisettingsstore::storeFile() const
{
    return home->filePath(QStringLiteral("config/%1/%1.conf").arg(app));
}

QMap<QString, QString> tst_inisettingsstore::read(const QStringList &keys) const
{
    return IniSettingsStore().getSettings(app, "Presets", keys);
}

void tst_inisettingsstore::save(const QList<QPair<QString, QString>> &keysAndTexts) const
{
    IniSettingsStore().saveSettings(app, "Presets", keysAndTexts);
}

void tst_inisettingsstore::writeFile(const QByteArray &text) const
{
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray tst_inisettingsstore::fileText() const
{
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void tst_inisettingsstore::roundTripReachesTheFile()
{
    save({{"X_L", "-45"}, {"Pix", "True"}});
    QCOMPARE(fileText(), QByteArray("[Presets]\nPix=True\nX_L=-45\n"));
    QCOMPARE(read({"X_L", "Pix"}), (QMap<QString, QString>{{"X_L", "-45"}, {"Pix", "True"}}));
    QCOMPARE(QFileInfo(storeFile()).permissions() & (QFile::ReadOwner | QFile::WriteOwner),
             QFile::ReadOwner | QFile::WriteOwner);
}

void tst_inisettingsstore::twoStoresShareEveryWrite()
{
    IniSettingsStore first;
    IniSettingsStore second;
    first.saveSettings(app, "Presets", {{"Pix", "True"}});
    QCOMPARE(second.getSettings(app, "Presets", {"Pix"}).value("Pix"), QStringLiteral("True"));
    second.saveSettings(app, "Presets", {{"Pix", "False"}});
    QCOMPARE(first.getSettings(app, "Presets", {"Pix"}).value("Pix"), QStringLiteral("False"));
}

void tst_inisettingsstore::absentKeyGivesDefault()
{
    QVERIFY(read({"H1", "X_T"}).isEmpty());
    save({{"H2", "7"}});
    QCOMPARE(read({"H1", "H2", "X_T"}), (QMap<QString, QString>{{"H2", "7"}}));
}

void tst_inisettingsstore::garbageFileStillWorks()
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) % 251));
    writeFile(garbage);
    QVERIFY(!read({"Pix"}).contains("Pix"));
    save({{"Pix", "False"}});
    QCOMPARE(read({"Pix"}).value("Pix"), QStringLiteral("False"));
}

void tst_inisettingsstore::handEditedCommaValue()
{
    writeFile("[Presets]\nX_L=1, 5\nX_T=30\n");
    QCOMPARE(read({"X_L", "X_T"}), (QMap<QString, QString>{{"X_L", "1, 5"}, {"X_T", "30"}}));
}

// A plain file where the store's directory should be: no user, root
// included, can write there.
void tst_inisettingsstore::unwritableDirectoryLosesWritesSilently()
{
    QDir().mkpath(QFileInfo(QFileInfo(storeFile()).path()).path());
    QFile blocker(QFileInfo(storeFile()).path());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    save({{"Pix", "False"}});
    QVERIFY(read({"Pix"}).isEmpty());
    QCOMPARE(blocker.size(), 0);
}

// A relative XDG_CONFIG_HOME is ignored, as the base-directory rules say;
// without a home that is an absolute path there is no store at all.
void tst_inisettingsstore::storeLiesWhereXdgSays_data()
{
    QTest::addColumn<QString>("configHome"); // "-" unsets
    QTest::addColumn<QString>("homeDir");    // "-" unsets; "." is the temporary home
    QTest::addColumn<QString>("expected");   // relative to the temporary home, "" for none

    // clang-format off
    QTest::newRow("XDG_CONFIG_HOME") << "config" << "." << "config/%1/%1.conf";
    QTest::newRow("relative XDG_CONFIG_HOME") << "rel/config" << "." << ".config/%1/%1.conf";
    QTest::newRow("empty XDG_CONFIG_HOME") << "" << "." << ".config/%1/%1.conf";
    QTest::newRow("no XDG_CONFIG_HOME") << "-" << "." << ".config/%1/%1.conf";
    QTest::newRow("no home at all") << "-" << "-" << "";
    QTest::newRow("empty home") << "-" << "" << "";
    QTest::newRow("missing home") << "-" << "gone" << "";
    QTest::newRow("relative home") << "-" << "rel" << "";
    QTest::newRow("relative everything") << "rel/config" << "rel" << "";
    QTest::newRow("no home, XDG_CONFIG_HOME") << "config" << "-" << "config/%1/%1.conf";
    // clang-format on
}

void tst_inisettingsstore::storeLiesWhereXdgSays()
{
    QFETCH(QString, configHome);
    QFETCH(QString, homeDir);
    QFETCH(QString, expected);

    // Relative paths would be taken from the working directory.
    const QString before = QDir::currentPath();
    QDir::setCurrent(home->path());
    const auto set = [this](const char *name, const QString &value) {
        if (value == QLatin1String("-"))
            qunsetenv(name);
        else if (value.isEmpty() || value.startsWith(QLatin1String("rel")))
            qputenv(name, value.toLocal8Bit());
        else if (value == QLatin1String("."))
            qputenv(name, home->path().toLocal8Bit());
        else
            qputenv(name, home->filePath(value).toLocal8Bit());
    };
    set("XDG_CONFIG_HOME", configHome);
    set("HOME", homeDir);

    save({{"X_L", "15"}});
    const QMap<QString, QString> readBack = read({"X_L"});
    QDir::setCurrent(before);

    QStringList files;
    QDirIterator all(home->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (all.hasNext())
        files << QDir(home->path()).relativeFilePath(all.next());
    QCOMPARE(files, expected.isEmpty() ? QStringList() : QStringList{expected.arg(app)});
    QCOMPARE(readBack.value("X_L"), expected.isEmpty() ? QString() : QStringLiteral("15"));
    QCOMPARE(IniSettingsStore::filePath(app).isEmpty(), expected.isEmpty());
}

// Anything but a regular file at the store's place is no store: reading it
// gives nothing at once (a pipe nobody writes to included), and a write
// leaves it as it is.
void tst_inisettingsstore::onlyARegularFileIsAStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("directory") << "directory";
    QTest::newRow("link to a pipe") << "link to a pipe";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero";
    QTest::newRow("link into no directory") << "dangling link";
}

void tst_inisettingsstore::onlyARegularFileIsAStore()
{
    QFETCH(QString, kind);
    const QByteArray path = QFile::encodeName(storeFile());
    QDir().mkpath(QFileInfo(storeFile()).path());
    const QByteArray pipe = QFile::encodeName(home->filePath("pipe"));
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    if (kind == "pipe")
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else if (kind == "directory")
        QVERIFY(QDir().mkdir(storeFile()));
    else if (kind == "link to a pipe")
        QCOMPARE(symlink(pipe.constData(), path.constData()), 0);
    else if (kind == "link to /dev/zero")
        QCOMPARE(symlink("/dev/zero", path.constData()), 0);
    else
        QCOMPARE(symlink("nothing/there", path.constData()), 0);
    struct stat before = {};
    QCOMPARE(lstat(path.constData(), &before), 0);

    QVERIFY(read({"Pix"}).isEmpty());
    save({{"Pix", "False"}});

    struct stat after = {};
    QCOMPARE(lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(QDir(QFileInfo(storeFile()).path())
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System),
             QStringList{QFileInfo(storeFile()).fileName()});
}

// A write goes through a symbolic link, to a target made when missing (a
// dotfiles layout); a store the user made read-only stays so.
void tst_inisettingsstore::whereAWriteGoes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("link") << "link" << QByteArray("[Presets]\nPix=False\nX_L=30\n");
    QTest::newRow("dangling link") << "dangling" << QByteArray("[Presets]\nX_L=30\n");
    QTest::newRow("read-only") << "read-only" << QByteArray("[Presets]\nPix=False\n");
}

void tst_inisettingsstore::whereAWriteGoes()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, written);
    writeFile("[Presets]\nPix=False\n");
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(storeFile(), QFile::ReadOwner | QFile::ReadGroup));
    else if (kind == "link")
        QVERIFY(QFile::rename(storeFile(), home->filePath("elsewhere.conf")));
    else
        QVERIFY(QFile::remove(storeFile()));
    if (kind != "read-only")
        QCOMPARE(symlink("../../elsewhere.conf", QFile::encodeName(storeFile()).constData()), 0);
    save({{"X_L", "30"}});
    QCOMPARE(fileText(), written);
    QCOMPARE(QFileInfo(storeFile()).isSymLink(), kind != "read-only");
    QCOMPARE(QFileInfo(storeFile()).permissions() & QFile::WriteOwner,
             kind == "read-only" ? QFile::Permissions() : QFile::WriteOwner);
}

// Keys the program does not know are no business of its own: a write keeps
// every key of the program's, written by any window or copy, and leaves
// everything else out.
void tst_inisettingsstore::writeKeepsTheProgramsKeysOnly()
{
    writeFile("[General]\nzz=1\n[Presets]\nS_L=1500\nJunk=1\nH3=7\n[Other]\nX_L=9\n"
              "[Presets]\nM_T=45\n");
    save({{"X_L", "30"}, {"Pix", "True"}});
    QCOMPARE(fileText(), QByteArray("[Presets]\nH3=7\nM_T=45\nPix=True\nS_L=1500\nX_L=30\n"));
}

// The program's keys behind ~90 MB of junk are still read; beyond 128 MiB the
// store is not read any further for a window, so none waits long whatever
// the file holds, but a write keeps every key. Holes cost the disk nothing.
void tst_inisettingsstore::largeStoreIsReadAsFarAsTheLimit()
{
    writeFile("[Presets]\n");
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(90 << 20));
    QVERIFY(file.seek(90 << 20));
    file.write("\n[Presets]\nX_L=1500\n");
    QVERIFY(file.resize(200 << 20));
    QVERIFY(file.seek(200 << 20));
    file.write("\n[Presets]\nX_T=3000\n");
    file.close();

    QCOMPARE(read({"X_L", "X_T"}), (QMap<QString, QString>{{"X_L", "1500"}}));
    save({{"Pix", "True"}});
    QCOMPARE(fileText(), QByteArray("[Presets]\nPix=True\nX_L=1500\nX_T=3000\n"));
}

QTEST_GUILESS_MAIN(tst_inisettingsstore)
#include "tst_inisettingsstore.moc"
