#pragma once

#include <QString>
#include <QStringList>

// Hands documents and programs to the desktop. Paths and addresses always
// travel as single arguments, never through a command line that a shell
// would parse, so no file or directory name can run anything.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens a file or web address with the user's default application.
    virtual bool open(const QString &pathOrUrl) = 0;
    // Starts a program detached from this process.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};
