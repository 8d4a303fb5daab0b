#include "window/SliderThumb.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

// As the slider fills in its own style option: an upright slider has its
// minimum at the bottom unless its appearance is inverted.
QRect sliderThumb(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.upsideDown = slider->orientation() == Qt::Horizontal
                            ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider->invertedAppearance();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}
