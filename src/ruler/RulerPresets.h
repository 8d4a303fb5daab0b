#pragma once

class Measurement;
class QWidget;

// The ruler's keys in the settings store: the tick of each of the seven
// units and the window's place.
class RulerPresets
{
public:
    RulerPresets(QWidget *ruler, Measurement &measurement);

    // Reads every key in one read while the ruler is created: each unit's
    // tick into the measurement, then the place. A key that does not read
    // leaves its tick or edge as it stands.
    void load();
    // The ticks, in the units' order, then the left and top edge where the
    // ruler really stands, in one write.
    void save() const;

private:
    QWidget *ruler;
    Measurement &measurement;
};
