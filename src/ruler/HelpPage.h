#pragma once

#include <QString>

// Where the help page lies: beside the program, as in the build tree, or in
// the installed tree's data directory next to bin/.
namespace HelpPage {

QString path();

} // namespace HelpPage
