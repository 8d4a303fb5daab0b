#pragma once

#include <QString>

// The desktop's plain-text editor: the first graphical editor found on the
// PATH. Empty when there is none.
namespace TextEditor {

QString find();

} // namespace TextEditor
