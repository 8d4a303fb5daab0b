// The reference for start-up time and memory: the least a Qt 6 program does
// to show a window of the ruler's size, started the way the ruler starts.
// With --text the window also shows one line of text, which is the cost of
// loading the fonts that every window with a caption pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 84);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Ombrix"), &window);
    window.show();
    return app.exec();
}
