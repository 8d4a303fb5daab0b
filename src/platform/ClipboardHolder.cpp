#include "platform/ClipboardHolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

const char holderOption[] = "--clipboard-holder";

// Runs in the new process between fork and exec, where only the simplest
// system calls are safe: the text arrives on standard input, nothing may
// hold the caller's terminal, output or working directory.
[[noreturn]] void becomeHolder(int input, char *const argv[])
{
    if (input == STDIN_FILENO)
        fcntl(input, F_SETFD, 0);
    else
        dup2(input, STDIN_FILENO);
    const int nothing = open("/dev/null", O_WRONLY);
    dup2(nothing, STDOUT_FILENO);
    dup2(nothing, STDERR_FILENO);
    setsid();
    if (chdir("/") == 0)
        execv(argv[0], argv);
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

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return value;
}

// Serves one text on the CLIPBOARD selection of one connection.
class Selection
{
public:
    Selection(xcb_connection_t *connection, const QByteArray &utf8)
        : connection(connection), utf8(utf8), latin1(QString::fromUtf8(utf8).toLatin1()),
          clipboard(atom(connection, "CLIPBOARD")), targets(atom(connection, "TARGETS")),
          utf8String(atom(connection, "UTF8_STRING")), text(atom(connection, "TEXT"))
    {
    }

    // Fails when another client took the selection at once.
    bool Own()
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        window = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, clipboard), nullptr);
        const bool owned = owner && owner->owner == window;
        free(owner);
        return owned;
    }

    // Until another client owns the selection or the server goes away.
    void Serve()
    {
        while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_SELECTION_REQUEST)
                answer(*reinterpret_cast<xcb_selection_request_event_t *>(event));
            free(event);
            if (type == XCB_SELECTION_CLEAR)
                return;
        }
    }

private:
    // Writes the target's form of the text into the requestor's property;
    // false for a target the holder does not offer.
    bool put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target)
    {
        if (target == targets) {
            const xcb_atom_t offered[] = {targets, utf8String, XCB_ATOM_STRING, text};
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                                XCB_ATOM_ATOM, 32, 4, offered);
        } else if (target == utf8String) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, utf8String,
                                8, uint32_t(utf8.size()), utf8.constData());
        } else if (target == XCB_ATOM_STRING || target == text) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property,
                                XCB_ATOM_STRING, 8, uint32_t(latin1.size()), latin1.constData());
        } else {
            return false;
        }
        return true;
    }

    void answer(const xcb_selection_request_event_t &request)
    {
        // A requestor of the old kind names no property: the target is the property.
        const xcb_atom_t property = request.property ? request.property : request.target;
        xcb_selection_notify_event_t notify = {};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property =
            put(request.requestor, property, request.target) ? property : xcb_atom_t(XCB_NONE);
        xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&notify));
        xcb_flush(connection);
    }

    xcb_connection_t *connection;
    const QByteArray utf8;
    const QByteArray latin1;
    const xcb_atom_t clipboard;
    const xcb_atom_t targets;
    const xcb_atom_t utf8String;
    const xcb_atom_t text;
    xcb_window_t window = XCB_NONE;
};

} // namespace

void ClipboardHolder::Start(const QByteArray &utf8)
{
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    char option[sizeof holderOption];
    memcpy(option, holderOption, sizeof holderOption);
    char *const argv[] = {const_cast<char *>(program.constData()), option, nullptr};
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return;
    const pid_t holder = fork();
    if (holder == 0)
        becomeHolder(channel[0], argv);
    close(channel[0]);
    if (holder > 0) {
        // A holder that could not start must not take the program down with it.
        signal(SIGPIPE, SIG_IGN);
        writeAll(channel[1], utf8);
    }
    close(channel[1]);
}

bool ClipboardHolder::Requested(int argc, char *argv[])
{
    return argc == 2 && strcmp(argv[1], holderOption) == 0;
}

int ClipboardHolder::Serve()
{
    const QByteArray utf8 = readAll(STDIN_FILENO);
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    // Larger than one request would need the incremental transfer, which a
    // copy of the program's own never does.
    const bool fits = !xcb_connection_has_error(connection) && !utf8.isEmpty() &&
                      utf8.size() < qsizetype(xcb_get_maximum_request_length(connection)) * 4 - 64;
    if (fits) {
        Selection selection(connection, utf8);
        if (selection.Own())
            selection.Serve();
    }
    xcb_disconnect(connection);
    return 0;
}
