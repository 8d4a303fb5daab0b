#pragma once

// A key held down repeats. By default X sends a release before every
// repeated press, which Qt tells from the key's real release only by a racy
// look at the next event, so a held Space clicked a button many times. This
// asks the X server (XKB's detectable auto-repeat, for the program's own
// connection) to send the presses alone and one release when the key comes
// up. Does nothing off X11 or without XKB.
namespace KeyRepeat {

void makeDetectable();

} // namespace KeyRepeat
