# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# GNOME's window manager, mutter 43, as an X11 window manager on Xvfb with a
# session bus. It keeps a window's own moves on the screen and pushes a
# window that grows past the screen's edge back.
DESKTOP_ABOUT="mutter 43 --x11 on Xvfb"
DESKTOP_BUS=session
DESKTOP_LACKS=(
    [monitors]="mutter lays the monitors out itself, in modes of its own side by side, over the test's layout"
    [own-moves-off-screen]="mutter keeps a window's own moves on the screen"
    [grow-off-screen]="mutter pushes back on screen a window that grows past its edge"
)

desktop_start() {
    e2e_start_x11_desktop "$1" mutter-x11
}
