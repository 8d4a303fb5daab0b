#include "platform/ClipboardHolder.h"
#include "platform/KeyRepeat.h"
#include "ruler/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <xcb/xcb.h>

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
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A borderless ruler that floats above the desktop and measures "
                       "things on the screen, with Color Spy and Color Mixer."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(commandLine);
}

// Qt's X11 plugin aborts when it cannot reach a display; say so in one line
// and leave with an error instead.
bool xDisplayReachable()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = connection && !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return reachable;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && !xDisplayReachable()) {
        std::fputs("ombrix: cannot open an X display (set DISPLAY; on Wayland, XWayland is "
                   "needed)\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    KeyRepeat::MakeDetectable();
    Form1 ruler;
    ruler.show();
    return app.exec();
}
