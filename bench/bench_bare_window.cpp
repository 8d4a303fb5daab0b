// The reference for start-up time and memory: the least a Qt 6 program does
// to show a window of the ruler's size, started the way the ruler starts.
// With --text the window also shows one line of text, which is the cost of
// loading the fonts that every window with a caption pays. With --timer MS a
// timer of that interval runs and does nothing: the least a program that
// wakes that often costs (1 ms as the ruler's slider timers, 100 ms as
// Color Spy's). With --follow FACTOR a held left button resizes the window
// by FACTOR pixels of width a pixel of pointer travel, as the ruler's held
// thumb does: the reference of the follow.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FollowingWindow : public QWidget
{
public:
    double factor = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        pressX = event->globalPosition().x();
        pressWidth = width();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (factor > 0 && (event->buttons() & Qt::LeftButton))
            resize(pressWidth + qRound(factor * (event->globalPosition().x() - pressX)), height());
    }

private:
    double pressX = 0;
    int pressWidth = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    FollowingWindow window;
    window.resize(400, 84);
    const qsizetype follow = arguments.indexOf(QStringLiteral("--follow"));
    if (follow > 0 && follow + 1 < arguments.size())
        window.factor = arguments.at(follow + 1).toDouble();
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
