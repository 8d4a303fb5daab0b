#pragma once

#include "WindowTest.h"
#include "ruler/Form1.h"
#include "ruler/ScaleUnit.h"

#include <QLabel>
#include <QSlider>
#include <QString>
#include <QStringList>
#include <QWidget>

// The stored unit keys, and what the ruler window's test programs read off
// the window.

inline const QStringList unitKeys = {"Pix", "Points", "Charac", "Inch", "Milli", "Centi", "Twips"};

// The ruler's or its measurement's unit ticks, one mark a unit.
template <typename Ticked> QString ticks(const Ticked &ruler)
{
    QString result;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        result += ruler.isTicked(unit) ? QLatin1Char('x') : QLatin1Char('.');
    return result;
}

// The label beside the slider's thumb, or nullptr before the first tick.
inline QLabel *sliderPopup(const QWidget &window)
{
    return window.findChild<QLabel *>(QStringLiteral("SliderPopup"));
}

// The size hints that tiling window managers float a window by: smallest and
// largest sizes equal to the window's own.
inline bool fixedAtItsSize(const QWidget &window)
{
    return window.minimumSize() == window.size() && window.maximumSize() == window.size();
}

// Shows the ruler, turned upright for a vertical case, and gives the slider
// that sets its length.
inline QSlider *showTurned(Form1 &ruler, bool vertical)
{
    ruler.show();
    if (vertical)
        ruler.mnuVertical_Click();
    return named<QSlider>(&ruler, vertical ? "Slider2" : "Slider1");
}
