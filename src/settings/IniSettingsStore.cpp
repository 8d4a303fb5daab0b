#include "settings/IniSettingsStore.h"

#include "settings/PresetsFileFormat.h"
#include "settings/PresetsReader.h"
#include "settings/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool isRegularFile(const struct stat &status)
{
    return S_ISREG(status.st_mode);
}

// Only a regular file is opened: a pipe would block the open or the read for
// as long as nobody writes to it, and opening a device may do anything.
int openRegularFile(const QByteArray &path)
{
    struct stat status = {};
    if (stat(path.constData(), &status) != 0 || !isRegularFile(status))
        return -1;
    const int file = open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file >= 0 && (fstat(file, &status) != 0 || !isRegularFile(status))) {
        close(file);
        return -1;
    }
    return file;
}

// The program writes a few hundred bytes. A store grown far beyond that by
// other hands is read this far for a window, which bounds the time it waits
// for its keys whatever the file holds; a key written beyond is not seen.
// A write reads the whole file, so that it loses none of the program's keys.
constexpr qint64 largestStore = 128 * 1024 * 1024;
constexpr qint64 wholeStore = std::numeric_limits<qint64>::max();

QMap<QString, QString> readKeys(const QByteArray &path, const QString &section,
                                const QStringList &keys, qint64 left)
{
    const int file = openRegularFile(path);
    if (file < 0)
        return {};
    PresetsReader reader(section, keys);
    std::vector<char> piece(256 * 1024);
    bool wholeFile = true;
    while (left > 0) {
        const ssize_t got =
            read(file, piece.data(), size_t(std::min<qint64>(qint64(piece.size()), left)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        reader.read(piece.data(), got);
        left -= got;
        wholeFile = left > 0;
    }
    close(file);
    return reader.finish(wholeFile);
}

// The directories that XDG says to make when they are missing are made for
// the user alone.
void makeDirectories(const QByteArray &directory)
{
    for (qsizetype slash = directory.indexOf('/', 1); slash >= 0;
         slash = directory.indexOf('/', slash + 1))
        mkdir(directory.left(slash).constData(), 0700);
    mkdir(directory.constData(), 0700);
}

// Copies of the program writing at the same moment take turns, so each one
// keeps the keys the other wrote. One that holds its turn for more than a
// moment (a stopped process) is not waited for any longer.
int takeTurn(const QByteArray &directory)
{
    const int turn = open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int attempt = 0; turn >= 0 && attempt < 100; ++attempt) {
        if (flock(turn, LOCK_EX | LOCK_NB) == 0)
            break;
        usleep(10000);
    }
    return turn;
}

// Where a symbolic link leads, followed link by link so that a link to a
// file not made yet (a dotfiles layout) leads there too. Empty for a loop.
QByteArray linkTarget(QByteArray path)
{
    char target[PATH_MAX];
    for (int hop = 0; hop < 40; ++hop) {
        const ssize_t length = readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return errno == EINVAL || errno == ENOENT ? path : QByteArray();
        const QByteArray next(target, qsizetype(length));
        path = next.startsWith('/') ? next : path.left(path.lastIndexOf('/') + 1) + next;
    }
    return {};
}

// The file a write replaces: the store's own, or the file a symbolic link
// there leads to, made there when it is not yet, so that the link stays a
// link. Empty when anything but a regular file is in the way.
QByteArray replacedFile(const QByteArray &path)
{
    const QByteArray target = linkTarget(path);
    struct stat status = {};
    if (target.isEmpty())
        return {};
    if (stat(target.constData(), &status) == 0)
        return isRegularFile(status) ? target : QByteArray();
    return errno == ENOENT ? target : QByteArray();
}

// A store the user made read-only is left as it is, as one the program
// cannot read (its keys would be lost).
bool mayReplace(const QByteArray &target)
{
    struct stat status = {};
    if (stat(target.constData(), &status) != 0)
        return errno == ENOENT;
    if ((status.st_mode & 0222) == 0)
        return false;
    const int file = openRegularFile(target);
    if (file >= 0)
        close(file);
    return file >= 0;
}

bool writeAll(int file, const QByteArray &text)
{
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written = write(file, text.constData() + done, size_t(text.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// A new file beside the old one, on disk before it takes the old one's place
// in one step: a program killed at any moment leaves the old file or the new
// one. The new file keeps the old one's permissions.
void replaceFile(const QByteArray &target, const QByteArray &text)
{
    const QByteArray written = target + '.' + QByteArray::number(getpid()) + ".new";
    unlink(written.constData()); // left by a killed process that had our number
    const int file =
        open(written.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (file < 0)
        return;
    struct stat old = {};
    if (stat(target.constData(), &old) == 0)
        fchmod(file, old.st_mode & 07777);
    bool done = writeAll(file, text) && fsync(file) == 0;
    done = close(file) == 0 && done;
    if (!done || rename(written.constData(), target.constData()) != 0)
        unlink(written.constData());
}

} // namespace

QString IniSettingsStore::filePath(const QString &application)
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!base.startsWith(QLatin1Char('/'))) {
        // A home that is not there is not made: that is the system's work.
        const QString home = qEnvironmentVariable("HOME");
        if (!home.startsWith(QLatin1Char('/')) || !QFileInfo(home).isDir())
            return {};
        base = home + QStringLiteral("/.config");
    }
    return base + QLatin1Char('/') + application + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

QMap<QString, QString> IniSettingsStore::getSettings(const QString &application,
                                                     const QString &section,
                                                     const QStringList &keys)
{
    const QString path = filePath(application);
    if (path.isEmpty())
        return {};
    return readKeys(QFile::encodeName(path), section, keys, largestStore);
}

void IniSettingsStore::saveSettings(const QString &application, const QString &section,
                                    const QList<QPair<QString, QString>> &keysAndTexts)
{
    const QString path = filePath(application);
    if (path.isEmpty())
        return;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray directory = file.left(file.lastIndexOf('/'));
    makeDirectories(directory);
    const int turn = takeTurn(directory);
    const QByteArray target = replacedFile(file);
    if (!target.isEmpty() && mayReplace(target)) {
        QMap<QString, QString> values = readKeys(target, section, Settings::allNames(), wholeStore);
        for (const auto &[key, text] : keysAndTexts)
            values.insert(key, text);
        replaceFile(target, PresetsFileFormat::sectionText(section, values));
    }
    if (turn >= 0)
        close(turn);
}
