#pragma once

#include <QRect>

class QSlider;

// Where the slider draws its thumb, in the slider's own coordinates.
QRect sliderThumb(const QSlider *slider);
