#include "platform/ClipboardHolder.h"

#include "platform/x11/HeldSelection.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const char holderOption[] = "--clipboard-holder";

// The program's own file, opened at start-up: the holder starts from it even
// when the file was deleted or replaced while the program ran (uninstalled
// or upgraded). Closed on every exec, so no other program started inherits it.
int &programFile()
{
    static int file = -1;
    return file;
}

// Nothing the program holds or inherited goes along to the holder (a
// launcher's lock on fd 9, sockets, files), which could keep it for as long
// as the text is held. Marked rather than closed, so that the program's file
// stays open for the exec itself.
void closeOnExecFrom(int first, int lastPossible)
{
    if (close_range(unsigned(first), ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    for (int descriptor = first; descriptor <= lastPossible; ++descriptor)
        fcntl(descriptor, F_SETFD, FD_CLOEXEC);
}

int lastPossibleDescriptor()
{
    rlimit limit = {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 65535;
    return int(std::min<rlim_t>(limit.rlim_cur, 1 << 20)) - 1;
}

// Runs in the new process between fork and exec, where only the simplest
// system calls are safe: the text arrives on standard input, nothing may
// hold the caller's terminal, output or working directory.
[[noreturn]] void becomeHolder(int input, int lastDescriptor, int program, const char *path,
                               char *const argv[])
{
    if (input == STDIN_FILENO)
        fcntl(input, F_SETFD, 0);
    else
        dup2(input, STDIN_FILENO);
    const int nothing = open("/dev/null", O_WRONLY);
    dup2(nothing, STDOUT_FILENO);
    dup2(nothing, STDERR_FILENO);
    closeOnExecFrom(STDERR_FILENO + 1, lastDescriptor);
    setsid();
    if (chdir("/") == 0) {
        if (program >= 0)
            fexecve(program, argv, environ);
        execv(path, argv);
    }
    _exit(127);
}

void writeAll(int output, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(output, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}

QByteArray readAll(int input)
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(input, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

} // namespace

void ClipboardHolder::start(const QByteArray &utf8)
{
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    char option[sizeof holderOption];
    memcpy(option, holderOption, sizeof holderOption);
    char *const argv[] = {const_cast<char *>(program.constData()), option, nullptr};
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return;
    const int lastDescriptor = lastPossibleDescriptor();
    const pid_t holder = fork();
    if (holder == 0)
        becomeHolder(channel[0], lastDescriptor, programFile(), program.constData(), argv);
    close(channel[0]);
    if (holder > 0) {
        // A holder that could not start must not take the program down with it.
        signal(SIGPIPE, SIG_IGN);
        writeAll(channel[1], utf8);
    }
    close(channel[1]);
}

void ClipboardHolder::keepProgramFile()
{
    if (programFile() < 0)
        programFile() = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
}

bool ClipboardHolder::requested(int argc, char *argv[])
{
    return argc == 2 && strcmp(argv[1], holderOption) == 0;
}

int ClipboardHolder::serve()
{
    HeldSelection::holdUntilTaken(readAll(STDIN_FILENO));
    return 0;
}
