# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# weston 10, a Wayland desktop, nested in Xvfb (its x11 backend gives it a
# seat, driven through that server: see e2e_mouse); the programs run on its
# XWayland. It places X windows itself and draws a shadow round them.
DESKTOP_ABOUT="weston 10 (x11 backend in Xvfb) with XWayland"
DESKTOP_LACKS=(
    [own-moves]="weston ignores the moves an X window asks for itself"
    [own-moves-off-screen]="weston ignores the moves an X window asks for itself"
    [same-first-place]="weston puts every new X window at a random place"
    [above]="weston keeps no window above another"
    [minimise]="weston minimises no X window"
    [root-pixels]="XWayland refuses to read the root window"
    [monitors]="weston's output is one window of the X server it is nested in"
)

desktop_start() {
    e2e_start_wayland_desktop "$1"
}
