#pragma once

#include <QByteArray>

// The program's last copy handed to the desktop's clipboard manager at the
// end, by the freedesktop protocol: the text's owner asks the owner of the
// CLIPBOARD_MANAGER selection for SAVE_TARGETS, serves the manager's
// requests for the text, and the manager's answer says whether it kept it.
// The manager then owns the clipboard once the program has gone.
class ManagerHandOver
{
public:
    // True once a clipboard manager has taken the text; false where none
    // runs, it refuses, or it does not answer within a few seconds.
    static bool handOver(const QByteArray &utf8);
};
