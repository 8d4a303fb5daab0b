#include "app/RealPlatform.h"
#include "chrome/ProgramIcon.h"
#include "platform/ClipboardHolder.h"
#include "platform/ProgramTranslations.h"
#include "platform/x11/KeyRepeat.h"
#include "platform/x11/X11Connection.h"
#include "ruler/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// --help and --version need no display: the command line is read on a core
// application, before Qt loads its X11 platform. The parser ends the program
// after answering them, and after an unknown option with its message and
// status 1. Qt takes the options it knows out of argv, hence argc by
// reference.
void readCommandLine(int &argc, char *argv[])
{
    QCoreApplication commandLine(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ombrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(OMBRIX_VERSION_MAJOR)
                                                .arg(OMBRIX_VERSION_MINOR)
                                                .arg(OMBRIX_VERSION_PATCH));
    ProgramTranslations::Install(&commandLine);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A borderless ruler that floats above the desktop and "
                                            "measures things on the screen, with Color Spy and "
                                            "Color Mixer."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(commandLine);
}

// The command line for Qt, with its platform fixed to xcb: Qt takes the
// command line's choice over QT_QPA_PLATFORM, which Wayland sessions often
// set for every Qt program and which must stay as it is for the programs the
// ruler starts.
std::vector<char *> argumentsOnX11(int argc, char *argv[])
{
    static char platformOption[] = "-platform";
    static char xcb[] = "xcb";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.end(), {platformOption, xcb, nullptr});
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ClipboardHolder::Requested(argc, argv))
        return ClipboardHolder::Serve();
    readCommandLine(argc, argv);
    // The ruler needs global window positions, the keep-above hint and screen
    // reading, which only X11 gives (XWayland on a Wayland desktop). Lengths
    // are measured in screen pixels, 15 twips each, so Qt's own scaling stays
    // off and fonts keep the 96 dots per inch the windows are laid out for.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
    // Qt's X11 plugin aborts when it cannot reach a display; this says so in
    // one line and leaves with an error instead. The probe's connection is
    // kept open until Qt has its own: a server that starts over when its last
    // client leaves (Xvfb's default) would otherwise be resetting just as Qt
    // connects.
    std::unique_ptr<X11Connection> probe = X11Connection::Open();
    if (!probe) {
        std::fputs("ombrix: cannot open an X display (set DISPLAY; on Wayland, XWayland is "
                   "needed)\n",
                   stderr);
        return 1;
    }

    std::vector<char *> arguments = argumentsOnX11(argc, argv);
    int argumentCount = int(arguments.size()) - 1;
    QApplication app(argumentCount, arguments.data());
    probe.reset();
    ProgramTranslations::Install(&app);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    // Task bars and docks tie the windows to the menu entry by their class,
    // "Ombrix" (the application name), which the entry gives as
    // StartupWMClass. Qt's X11 plugin writes nothing of the desktop file
    // name; Wayland platforms and desktop integrations read it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.drevani.ombrix"));
    QApplication::setWindowIcon(ProgramIcon::Small());
    KeyRepeat::MakeDetectable();
    RealPlatform::Install();
    Form1 ruler;
    ProgramIcon::AllSizesAfterFirstPaint(&ruler);
    ruler.show();
    return app.exec();
}
