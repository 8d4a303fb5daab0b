# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# KDE Plasma's window manager, kwin_x11 5.27, on Xvfb with a session bus,
# without compositing. It centres new windows and keeps a window's own moves
# on the screen.
DESKTOP_ABOUT="kwin_x11 5.27 on Xvfb"
DESKTOP_BUS=session
DESKTOP_LACKS=(
    [own-moves-off-screen]="KWin keeps a window's own moves on the screen"
)

desktop_start() {
    e2e_start_x11_desktop "$1" kwin
}
