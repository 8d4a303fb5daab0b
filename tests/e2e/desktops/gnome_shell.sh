# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# GNOME Shell 43 headless: mutter with GNOME's panel, overview and
# extensions, one virtual monitor and XWayland, under a session bus and a
# system bus of the test's own. XTEST input reaches the windows through
# XWayland, never the compositor's seat.
DESKTOP_ABOUT="GNOME Shell 43 headless with XWayland"
DESKTOP_BUS=system
# The moves it runs follow its seat pointer, driven through its RemoteDesktop
# service.
DESKTOP_SEAT=mutter
DESKTOP_LACKS=(
    [minimise]="GNOME Shell brings no minimised X window back when a pager asks (_NET_ACTIVE_WINDOW, with or without a time), so a test cannot restore it"
    [own-moves-off-screen]="GNOME Shell keeps a window's own moves on the screen"
    [grow-off-screen]="GNOME Shell pushes back on screen a window that grows past its edge"
    [root-pixels]="XWayland refuses to read the root window"
    [monitors]="the headless compositor has one virtual monitor"
)

desktop_start() {
    xd_start_gnome_shell "$(e2e_screen_size "$1")" "$E2E_TMP/gnome-shell.log" ||
        e2e_start_failed gnome-shell.log "GNOME Shell starts with XWayland"
    # Started, it shows its overview, which keeps the keyboard from every
    # window; the tests begin where a user who left it is.
    e2e_wait_until 10 shell_overview_is true || true
    shell_overview Set string:OverviewActive variant:boolean:false >/dev/null
    e2e_wait_until 5 shell_overview_is false || e2e_fatal "GNOME Shell's overview closes"
}

# shell_overview Get|Set ARGS...: GNOME Shell's OverviewActive property.
shell_overview() {
    dbus-send --session --print-reply=literal --dest=org.gnome.Shell /org/gnome/Shell \
        "org.freedesktop.DBus.Properties.$1" string:org.gnome.Shell "${@:2}"
}

shell_overview_is() {
    [[ $(shell_overview Get string:OverviewActive) == *"boolean $1" ]]
}
