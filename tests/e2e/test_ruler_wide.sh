#!/usr/bin/env bash
# The ruler on the right half of a 3840 x 1080 screen, as on the second of two
# monitors side by side: it starts at a stored place there and stores where it
# was moved, in the whole X screen's coordinates.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

e2e_start_desktop 3840x1080x24
e2e_store_put X_L 45000
e2e_store_put X_T 4500
start_ruler
e2e_assert_eq "3000 300" "$X $Y" "the ruler starts at the stored place on the right half"
move_window "$WID" 3400 700
e2e_assert "the window manager closes the ruler" e2e_wm_close "$WID"
e2e_assert "the program ends" e2e_wait_exit "$E2E_OMBRIX_PID"
e2e_assert_eq "51000 10500" "$(e2e_store_value X_L) $(e2e_store_value X_T)" \
    "the place where it was moved is stored in twips"
