#pragma once

#include <functional>

// SIGTERM (a session ending), SIGHUP (the launching terminal closed) and
// SIGINT (Ctrl+C) close the program the way the desktop closes it. The
// handler only writes a byte to a pipe; the close runs from the event loop,
// once, however many signals follow. A signal ignored when the program
// started (nohup) stays ignored.
namespace CloseSignals {

void install(std::function<void()> close);

} // namespace CloseSignals
