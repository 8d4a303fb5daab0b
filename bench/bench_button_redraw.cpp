// Time of one forced redraw of a released style-3 button of the size the
// windows use (73 x 23 pixels, caption "&Start"): the median over many calls,
// in microseconds.
#include "button/chameleonButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget host;
    host.resize(200, 100);
    chameleonButton *button =
        chameleonButton::Place(&host, QStringLiteral("&Start"),
                               QFont(QStringLiteral("DejaVu Sans"), 8), QRect(10, 10, 73, 23));
    host.show();
    QCoreApplication::processEvents();

    constexpr int warmUp = 500;
    constexpr int calls = 20000;
    for (int i = 0; i < warmUp; ++i)
        button->Redraw(ButtonState::Up, true);
    std::vector<double> micros;
    micros.reserve(calls);
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        timer.start();
        button->Redraw(ButtonState::Up, true);
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::nth_element(micros.begin(), micros.begin() + calls / 2, micros.end());
    std::printf("redraw_style3_73x23_us %.2f\n", micros[calls / 2]);
    return 0;
}
