# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# KDE Plasma's kwin_wayland 5.27 on a virtual output with XWayland, under a
# session bus. XTEST input reaches the windows through XWayland, never the
# compositor's seat.
DESKTOP_ABOUT="kwin_wayland 5.27 (virtual backend) with XWayland"
DESKTOP_BUS=session
# The moves it runs follow its seat pointer, driven through its fake-input
# protocol.
DESKTOP_SEAT=kwin
DESKTOP_LACKS=(
    [own-moves-off-screen]="KWin keeps a window's own moves on the screen"
    [root-pixels]="XWayland refuses to read the root window"
    [monitors]="the virtual backend has one output"
)

desktop_start() {
    xd_start_kwin_wayland "$(e2e_screen_size "$1")" "$E2E_TMP/kwin_wayland.log" ||
        e2e_start_failed kwin_wayland.log "kwin_wayland starts with XWayland"
}
