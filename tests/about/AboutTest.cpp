#include "AboutTest.h"
#include "about/frmAbout.h"
#include "chrome/OpenWindows.h"

#include <QTest>

// Closed whichever way, the box is forgotten.
void AboutTest::cleanup()
{
    WindowTest::cleanup();
    QCOMPARE(OpenWindows::find<frmAbout>(), nullptr);
}
