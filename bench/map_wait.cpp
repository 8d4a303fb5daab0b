// map_wait COMMAND [ARG...]: starts COMMAND and prints the microseconds from
// just before its exec to the moment the X server reports that a window of
// that process was mapped at the top level, then ends the process (SIGTERM,
// so nothing is saved) unless MAP_WAIT_KEEP is set, in which case it prints
// the pid on a second line and leaves the program running.
//
// The root's SubstructureNotify mask is selected before the fork, so no map
// can slip past between start and listen. A window manager maps its frame,
// not our window, so a mapped top-level window counts when it or one of its
// children carries _NET_WM_PID of the child.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

bool ownedBy(xcb_connection_t *connection, xcb_atom_t pidAtom, xcb_window_t window, pid_t pid)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr),
        &std::free);
    return reply && xcb_get_property_value_length(reply.get()) == 4 &&
           *static_cast<const uint32_t *>(xcb_get_property_value(reply.get())) == uint32_t(pid);
}

bool windowOrChildOwnedBy(xcb_connection_t *connection, xcb_atom_t pidAtom, xcb_window_t window,
                          pid_t pid)
{
    if (ownedBy(connection, pidAtom, window, pid))
        return true;
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    if (!tree)
        return false;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (ownedBy(connection, pidAtom, children[i], pid))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: map_wait COMMAND [ARG...]\n", stderr);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("map_wait: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the mask is in force once the server has answered.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program's output is not ours to pass on: a caller reading our
        // output to its end must not wait for the program's end too.
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    long long micros = -1;
    pollfd server = {xcb_get_file_descriptor(connection), POLLIN, 0};
    const auto deadline = start + std::chrono::seconds(30);
    while (micros < 0 && std::chrono::steady_clock::now() < deadline &&
           waitpid(child, nullptr, WNOHANG) == 0) {
        poll(&server, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const auto when = std::chrono::steady_clock::now();
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window =
                mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
            std::free(event);
            if (micros < 0 && mapped && windowOrChildOwnedBy(connection, pidAtom, window, child)) {
                micros =
                    std::chrono::duration_cast<std::chrono::microseconds>(when - start).count();
            }
        }
    }
    std::printf("%lld\n", micros);
    if (std::getenv("MAP_WAIT_KEEP")) {
        std::printf("%d\n", int(child));
        std::fflush(stdout);
        return micros < 0;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return micros < 0;
}
