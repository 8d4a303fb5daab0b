#pragma once

#include <QStringList>

// The desktop's plain-text editor, as a command that starts it with no file:
// the user's default application for plain text, or where none is set, the
// first graphical editor found on the PATH. Empty when there is none.
namespace TextEditor {

QStringList command();

} // namespace TextEditor
