#pragma once

#include "WindowTest.h"

#include <QObject>

// The fixture of the About box's test programs: the window tests' own, and
// after every test function the box forgotten.
class AboutTest : public WindowTest
{
    Q_OBJECT
protected slots:
    void cleanup();
};
