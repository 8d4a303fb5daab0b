#pragma once

// The one place where the program chooses its real platform services: the
// X11 and Qt implementations, the settings file and the desktop's
// system-information programs. Made once, after the application object.
namespace RealPlatform {

void install();

} // namespace RealPlatform
