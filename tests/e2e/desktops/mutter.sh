# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# GNOME's mutter 43 as a headless Wayland compositor with one virtual
# monitor and XWayland, under a session bus. XTEST input reaches the windows
# through XWayland, never the compositor's seat.
DESKTOP_ABOUT="mutter 43 headless with XWayland"
DESKTOP_BUS=session
# The moves it runs follow its seat pointer, driven through its RemoteDesktop
# service.
DESKTOP_SEAT=mutter
DESKTOP_LACKS=(
    [own-moves-off-screen]="mutter keeps a window's own moves on the screen"
    [grow-off-screen]="mutter pushes back on screen a window that grows past its edge"
    [root-pixels]="XWayland refuses to read the root window"
    [monitors]="the headless compositor has one virtual monitor"
)

desktop_start() {
    xd_start_mutter "$(e2e_screen_size "$1")" "$E2E_TMP/mutter.log" ||
        e2e_start_failed mutter.log "mutter starts with XWayland"
}
