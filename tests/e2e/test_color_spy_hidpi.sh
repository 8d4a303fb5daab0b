#!/usr/bin/env bash
# Color Spy on a desktop set to 192 dots per inch: the program keeps to screen
# pixels, so the window keeps its size and the pixel read is the one under
# the pointer.
export OMBRIX_E2E_XFT_DPI=192
exec bash "$(dirname "$0")/test_color_spy.sh"
