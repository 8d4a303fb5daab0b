#pragma once

#include "WindowTest.h"
#include "chrome/OpenWindows.h"
#include "colour/frmColor.h"

#include <QLabel>
#include <QPoint>

inline const char *readoutNames[] = {"Label1", "Label2", "Label3",  "Label4",  "Label5",
                                     "Label6", "Label7", "Label18", "Label19", "Label20"};

// The fixture of Color Spy's test programs: the window opened at a place of
// its own, its readouts, and a tick of its timer over a pixel of one colour.
class SpyTest : public WindowTest
{
protected:
    frmColor *openSpy();
    QLabel *readout(const char *name);
    void tick(QPoint pointer, qint32 color);
};

inline frmColor *SpyTest::openSpy()
{
    frmColor *spy = OpenWindows::show<frmColor>();
    spy->move(100, 200);
    return spy;
}

inline QLabel *SpyTest::readout(const char *name)
{
    return named<QLabel>(OpenWindows::find<frmColor>(), name);
}

inline void SpyTest::tick(QPoint pointer, qint32 color)
{
    fakes->sampler.pointer = pointer;
    fakes->sampler.pixel = [color](QPoint) { return color; };
    OpenWindows::find<frmColor>()->Timer1_Timer();
}
