# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# i3 4.22, the tiling window manager, on Xvfb. It tiles normal windows and
# floats those fixed at their size, centred on the screen.
DESKTOP_ABOUT="i3 4.22 on Xvfb"
DESKTOP_LACKS=(
    [minimise]="i3 has no minimised state"
    [above]="i3 publishes no _NET_WM_STATE_ABOVE (its floating windows lie above the tiled ones)"
)

desktop_start() {
    e2e_start_x11_desktop "$1" i3
}
