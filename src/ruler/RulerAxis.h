#pragma once

#include "ruler/Orientation.h"

#include <QSize>
#include <QString>
#include <QTimer>

class Measurement;
class QAction;
class QSlider;

// One orientation of the ruler: the slider that sets its length, the timer
// that has the window follow the slider while it is held (Timer1, Timer2),
// the timer that writes its menu caption once a second from the first press
// on (Timer4, Timer5), and the length and readout it keeps in the
// measurement. The ruler holds one for each orientation, indexed by it, so
// that both orientations run the same code.
class RulerAxis
{
public:
    RulerAxis(Orientation orientation, Measurement &measurement);
    RulerAxis(const RulerAxis &) = delete;
    RulerAxis &operator=(const RulerAxis &) = delete;

    // The slider, and the "Width:" or "Height:" entry of the menu.
    void attach(QSlider *slider, QAction *caption);

    Orientation orientation() const { return axisOrientation; }
    QSlider *slider() const { return lengthSlider; }
    QTimer &followTimer() { return follow; }
    QTimer &captionTimer() { return caption; }

    // The slider's position kept as the stored length (Text6, Text7).
    void storeLength();
    // The size with its length along this axis set to the slider's.
    QSize lengthened(const QSize &size) const;
    // The readout of this length and the unit, as the pop-up shows it.
    QString popupText() const;
    // A running caption timer goes on as it is: restarting it at every press
    // would hold the caption back while the user presses again and again.
    void startCaption();
    void refreshCaption();

private:
    Orientation axisOrientation;
    Measurement &measurement;
    QSlider *lengthSlider = nullptr;
    QAction *captionEntry = nullptr;
    QTimer follow;
    QTimer caption;
};
