# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# openbox on Xvfb: the harness's first desktop. It frames normal windows,
# places a new one where it finds room, keeps windows above, minimises,
# follows XTEST input in the moves it runs and lets any window go off screen.
DESKTOP_ABOUT="openbox 3.6 on Xvfb"
DESKTOP_LACKS=()

desktop_start() {
    e2e_start_x11_desktop "$1" openbox
}
