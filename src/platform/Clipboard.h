#pragma once

#include <QString>

// The desktop clipboard as the program uses it: emptied, then given plain text.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    // The program is about to end: text it put on the clipboard stays there.
    virtual void outliveProgram() = 0;
};
