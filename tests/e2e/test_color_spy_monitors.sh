#!/usr/bin/env bash
# Color Spy on two monitors (Xorg's dummy driver), the primary right of the
# other and 200 pixels lower: the squares and the Spy lie on the left one, so
# the coordinates it shows are negative across and positive down; with no
# monitor primary they are the whole X screen's again.
export OMBRIX_E2E_MONITORS="1280x1024+0+0 1024x768+1280+200*"
export OMBRIX_E2E_ORIGIN="1280 200"
exec bash "$(dirname "$0")/test_color_spy.sh"
