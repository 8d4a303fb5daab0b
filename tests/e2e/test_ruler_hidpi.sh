#!/usr/bin/env bash
# The ruler on a desktop set to 192 dots per inch (Xft.dpi) and with Qt asked
# to scale by 2: a 6000-twip ruler still covers 400 screen pixels and reads
# 400 Pixels.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"

e2e_start_desktop
echo "Xft.dpi: 192" | xrdb -merge
export QT_SCALE_FACTOR=2
start_ruler
read -r _ _ w h < <(e2e_geometry "$WID")
e2e_assert_eq "400 84" "$w $h" "the ruler covers 400 x 84 screen pixels"
# "Pixels" from "Scale &Mode": its entries have no access keys, so p goes to
# the first that starts with it.
menu_command 200 40 m p Return
# The second right press comes at the same spot within the double-click
# time, and still opens the menu.
e2e_assert "the menu's copy runs" copy_readouts 200 40
e2e_assert_clipboard $'Width:  400 Pixels\r\nHeight:   Pixels' "the readout is 400 Pixels"
