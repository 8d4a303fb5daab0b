#include "ruler/RulerAxis.h"

#include "ruler/Measurement.h"
#include "ruler/RulerDesign.h"
#include "window/Twips.h"

#include <QAction>
#include <QSlider>

RulerAxis::RulerAxis(Orientation orientation, Measurement &measurement)
    : axisOrientation(orientation), measurement(measurement)
{
    follow.setInterval(RulerDesign::followInterval);
    follow.setTimerType(Qt::PreciseTimer);
    caption.setInterval(RulerDesign::captionInterval);
}

void RulerAxis::attach(QSlider *slider, QAction *captionEntryOfMenu)
{
    lengthSlider = slider;
    captionEntry = captionEntryOfMenu;
}

void RulerAxis::storeLength()
{
    if (axisOrientation == Orientation::Horizontal)
        measurement.setHorizontalLength(lengthSlider->value());
    else
        measurement.setVerticalLength(lengthSlider->value());
}

QSize RulerAxis::lengthened(const QSize &size) const
{
    const int length = Twips::toPixels(lengthSlider->value());
    return axisOrientation == Orientation::Horizontal ? QSize(length, size.height())
                                                      : QSize(size.width(), length);
}

QString RulerAxis::popupText() const
{
    return measurement.withUnit(axisOrientation == Orientation::Horizontal ? measurement.Text1()
                                                                           : measurement.Text2());
}

void RulerAxis::startCaption()
{
    if (!caption.isActive())
        caption.start();
}

void RulerAxis::refreshCaption()
{
    captionEntry->setText(axisOrientation == Orientation::Horizontal ? measurement.widthCaption()
                                                                     : measurement.heightCaption());
}
