#pragma once

#include <QByteArray>

// Keeps the program's last copy on the clipboard once the program has ended.
// On X the clipboard is a promise of its owner, gone with it, so the owner
// hands the text to a copy of itself started as a holder: it owns the
// selection and answers for the text until another program copies or the
// X server goes away, as xclip does. A clipboard manager takes it from the
// holder like from any other owner.
class ClipboardHolder
{
public:
    // Starts the holder with the text, detached from the program; returns
    // once the holder has it, without waiting on the holder itself.
    static void start(const QByteArray &utf8);
    // Keeps a handle to the program's own file for Start, taken at start-up.
    static void keepProgramFile();

    // Whether the program was started as a holder (an internal option, the
    // only argument).
    static bool requested(int argc, char *argv[]);
    // The holder: reads the text from its standard input and serves it.
    // Returns the exit status.
    static int serve();
};
