# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# Cinnamon's window manager, muffin 5.6, on Xvfb with a session bus. It
# needs the touchscreen schema of cinnamon-settings-daemon. Like mutter, from
# which it comes, it keeps a window's own moves on the screen and pushes a
# window that grows past the screen's edge back.
DESKTOP_ABOUT="muffin 5.6 on Xvfb"
DESKTOP_BUS=session
DESKTOP_LACKS=(
    [monitors]="muffin lays the monitors out itself, in modes of its own side by side, over the test's layout"
    [own-moves-off-screen]="muffin keeps a window's own moves on the screen"
    [grow-off-screen]="muffin pushes back on screen a window that grows past its edge"
)

desktop_start() {
    e2e_start_x11_desktop "$1" muffin
}
