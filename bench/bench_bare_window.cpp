// The reference for start-up time and memory: the least a Qt 6 program does
// to show a window of the ruler's size, started the way the ruler starts.
// With --text the window also shows one line of text, which is the cost of
// loading the fonts that every window with a caption pays. With --timer MS a
// timer of that interval runs and does nothing: the least a program that
// wakes that often costs (1 ms as the ruler's slider timers, 100 ms as
// Color Spy's).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QWidget window;
    window.resize(400, 84);
    if (arguments.contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Ombrix"), &window);
    QTimer ticks;
    const qsizetype timer = arguments.indexOf(QStringLiteral("--timer"));
    if (timer > 0 && timer + 1 < arguments.size()) {
        ticks.setInterval(arguments.at(timer + 1).toInt());
        ticks.start();
    }
    window.show();
    return app.exec();
}
