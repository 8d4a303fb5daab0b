#include "app/RealPlatform.h"
#include "app/WindowMakers.h"
#include "chrome/ProgramIcon.h"
#include "platform/ClipboardHolder.h"
#include "platform/CloseSignals.h"
#include "platform/ProgramTranslations.h"
#include "platform/x11/KeyRepeat.h"
#include "platform/x11/X11Connection.h"
#include "ruler/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QScreen>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

void describeCommandLine(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("Ombrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(OMBRIX_VERSION_MAJOR)
                                                .arg(OMBRIX_VERSION_MINOR)
                                                .arg(OMBRIX_VERSION_PATCH));
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A borderless ruler that floats above the desktop and "
                                            "measures things on the screen, with Color Spy and "
                                            "Color Mixer."));
    parser.addHelpOption();
    parser.addVersionOption();
    // "-display", "-style" and "-reverse" are words, as every Qt program
    // reads them, not strings of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

// The display "-display NAME" names; the program's own connections to the
// server, and the programs it starts, take it from DISPLAY as Qt does from
// the option. Returns whether one was named.
bool takeDisplayOption(int argc, char *argv[])
{
    bool named = false;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-display") == 0 || qstrcmp(argv[i], "--display") == 0) {
            qputenv("DISPLAY", argv[i + 1]);
            named = true;
        }
    }
    return named;
}

// --help and --version need no display: they are answered on a core
// application, before Qt loads its X11 platform. Options it does not know
// may be Qt's own (-style, -reverse, ...), which only the application with a
// display reads: they wait for it, and so does --help-all, which lists them.
// Without a display an option not known here is refused with status 1,
// unless the display named by -display is what cannot be reached.
void readOwnOptions(int argc, char *argv[], bool displayReachable, bool displayNamed)
{
    QCoreApplication commandLine(argc, argv);
    ProgramTranslations::install(&commandLine);
    QCommandLineParser parser;
    describeCommandLine(parser);
    const bool known = parser.parse(QCoreApplication::arguments());
    if (!known && !displayReachable && !displayNamed) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()));
        std::exit(1);
    }
    const bool answerable = parser.isSet(QStringLiteral("help")) ||
                            parser.isSet(QStringLiteral("version")) ||
                            (!displayReachable && parser.isSet(QStringLiteral("help-all")));
    if (known && answerable)
        parser.process(commandLine);
}

// What Qt left of the command line; --help-all now lists Qt's options too.
// The parser ends the program after answering, and after an unknown option
// with its message and status 1.
void readLeftOptions(const QApplication &app)
{
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
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

// A session ending, the launching terminal closed or Ctrl+C close the ruler
// as the desktop does: it stores its presets, unloads the other windows with
// their own unloading, and the copied text outlives the program.
void closeOnSignals(Form1 &ruler)
{
    CloseSignals::install([&ruler] { ruler.close(); });
}

// Started with standard input, output or error closed (some launchers do
// that), the next file opened would take its number: Qt's X connection on
// fd 2 would get every warning written into the protocol stream. Each one
// closed is opened on /dev/null before anything else is.
void openClosedStandardStreams()
{
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

// Qt paints into images of 15 bits a pixel and more; on a screen of fewer
// (an 8-bit PseudoColor X server) every window would map empty.
bool screenCanBePainted()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() >= 15)
        return true;
    std::fprintf(stderr,
                 "ombrix: cannot draw on a screen of %d bits a pixel (15 or more are needed)\n",
                 screen ? screen->depth() : 0);
    return false;
}

// A server that starts over whenever its last client leaves (Xvfb's
// default, an xinit session) drops a connection made just as it goes down;
// one made a moment later waits until the server is back. So the display is
// asked a few times before it is called unreachable, which a display that is
// not there at all pays for with half a second before the message.
std::unique_ptr<X11Connection> openDisplay()
{
    constexpr int attempts = 5;
    std::unique_ptr<X11Connection> connection = X11Connection::open();
    for (int attempt = 1; !connection && attempt < attempts && !qgetenv("DISPLAY").isEmpty();
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        connection = X11Connection::open();
    }
    return connection;
}

} // namespace

int main(int argc, char *argv[])
{
    openClosedStandardStreams();
    if (ClipboardHolder::requested(argc, argv))
        return ClipboardHolder::serve();
    const bool displayNamed = takeDisplayOption(argc, argv);
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
    std::unique_ptr<X11Connection> probe = openDisplay();
    readOwnOptions(argc, argv, probe != nullptr, displayNamed);
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
    if (!screenCanBePainted())
        return 1;
    ProgramTranslations::install(&app);
    readLeftOptions(app);
    // Task bars and docks tie the windows to the menu entry by their class,
    // "Ombrix" (the application name), which the entry gives as
    // StartupWMClass. Qt's X11 plugin writes nothing of the desktop file
    // name; Wayland platforms and desktop integrations read it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.drevani.ombrix"));
    QApplication::setWindowIcon(ProgramIcon::small());
    KeyRepeat::makeDetectable();
    RealPlatform::install();
    WindowMakers::install();
    Form1 ruler;
    ProgramIcon::allSizesAfterFirstPaint(&ruler);
    ruler.show();
    closeOnSignals(ruler);
    return app.exec();
}
