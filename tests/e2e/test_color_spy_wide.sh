#!/usr/bin/env bash
# Color Spy on the right half of a 3840 x 1080 screen, as on the second of two
# monitors side by side: the pixel read, the pointer position it copies and
# the place it stores are all in the whole X screen's coordinates.
export OMBRIX_E2E_SCREEN=3840x1080x24
export OMBRIX_E2E_SHIFT_X=2600
exec bash "$(dirname "$0")/test_color_spy.sh"
