#pragma once

// How the program makes Color Spy, Color Mixer and the About box, which the
// ruler opens by their role: the ruler does not know them.
namespace WindowMakers {

void install();

} // namespace WindowMakers
