#pragma once

// The two ways the ruler lies; each indexes the parts the ruler has one of
// for either way.
enum class Orientation { Horizontal, Vertical };
