#include "platform/CloseSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace CloseSignals {
namespace {

int signalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: one write, errno kept for the code
// it interrupted. A full pipe already holds a close to come.
void noteSignal(int)
{
    const int savedErrno = errno;
    const char note = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &note, 1);
    errno = savedErrno;
}

void drain(int input)
{
    char notes[64];
    while (read(input, notes, sizeof notes) > 0) {
    }
}

} // namespace

void install(std::function<void()> close)
{
    if (signalPipe[0] >= 0 || pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier =
        new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [notifier, close = std::move(close)] {
                         drain(signalPipe[0]);
                         notifier->setEnabled(false);
                         close();
                     });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    // A signal the program was started with ignored stays ignored: nohup's
    // SIGHUP, a shell's SIGINT for a program it runs in the background.
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction inherited = {};
        if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
}

} // namespace CloseSignals
