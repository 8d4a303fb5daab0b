# shellcheck shell=bash
# shellcheck disable=SC2034  # read by harness_desktops.sh
# XFCE's window manager, xfwm4 4.18, on Xvfb with a session bus, without
# compositing. It centres new windows.
DESKTOP_ABOUT="xfwm4 4.18 on Xvfb"
DESKTOP_BUS=session
DESKTOP_LACKS=()

desktop_start() {
    e2e_start_x11_desktop "$1" xfwm4
}
