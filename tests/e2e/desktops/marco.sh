# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# MATE's window manager, marco 1.26, on Xvfb with a session bus, without
# compositing. It needs the mouse schema of mate-settings-daemon-common,
# centres new windows, keeps a window's own moves on the screen and pushes a
# window that grows past the screen's edge back.
DESKTOP_ABOUT="marco 1.26 on Xvfb"
DESKTOP_BUS=session
DESKTOP_LACKS=(
    [own-moves-off-screen]="marco keeps a window's own moves on the screen"
    [grow-off-screen]="marco pushes back on screen a window that grows past its edge"
)

desktop_start() {
    e2e_start_x11_desktop "$1" marco
}
