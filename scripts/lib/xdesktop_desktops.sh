# shellcheck shell=bash
# The desktops of a private X desktop, sourced by scripts/lib/xdesktop.sh:
# the window managers started on its X server (openbox, i3, kwin_x11,
# mutter, muffin, marco, xfwm4) and the Wayland desktops whose XWayland the
# programs use (weston nested in the X server; mutter, GNOME Shell and
# kwin_wayland headless), each with the wait until it manages the screen.
# Each is started with xd_spawn and remembered as XD_WM_PID, so that
# xd_stop_all ends it after the clients and before the server.

# xd_start_weston LOG [WxH]: weston as a Wayland desktop with XWayland,
# nested in the X server of DISPLAY, which gives it a seat: weston's headless
# backend has none, and an XWayland without a seat neither delivers input nor
# survives a pointer grab. Its output is WxH (the whole screen when not
# given), at the screen's top-left corner. weston counts as the window
# manager. Exports DISPLAY as XWayland's; XD_DISPLAY stays the server's.
xd_start_weston() {
    local log=$1 width height
    if [[ -n ${2:-} ]]; then
        width=${2%x*} height=${2#*x}
    else
        read -r width height < <(xdpyinfo | awk '/dimensions:/ { sub(/x/, " ", $2); print $2 }')
    fi
    xd_spawn "$log" weston --backend=x11-backend.so --use-pixman --xwayland --no-config \
        --idle-time=0 --width="$width" --height="$height"
    XD_WM_PID=$XD_LAST_PID
    if xd_wait_until 10 xd_xwayland_ready "$log"; then
        export DISPLAY=$XD_XWAYLAND_DISPLAY
        return 0
    fi
    echo "xdesktop: weston did not start XWayland" >&2
    return 1
}

# xd_start_mutter SCREEN LOG: GNOME's window manager, mutter, as a headless
# Wayland desktop with one virtual monitor of SCREEN (WxH) and XWayland. It
# needs the session bus of DBUS_SESSION_BUS_ADDRESS, and puts its Wayland
# socket and XWayland's authority file in XDG_RUNTIME_DIR. mutter takes the
# first free X display number itself (and the next for its own services);
# it counts as the window manager. Exports DISPLAY and XAUTHORITY.
xd_start_mutter() {
    xd_start_headless_mutter mutter 20 "$@"
}

# xd_start_gnome_shell SCREEN LOG: GNOME Shell, headless as mutter above,
# with its panel and overview; it also wants a system bus
# (DBUS_SYSTEM_BUS_ADDRESS), which may be a private one.
xd_start_gnome_shell() {
    xd_start_headless_mutter gnome-shell 30 "$@"
}

# xd_start_headless_mutter PROGRAM TIMEOUT SCREEN LOG: mutter or the shell
# built on it, waited for until its XWayland answers.
xd_start_headless_mutter() {
    local program=$1 timeout=$2 log=$4
    xd_spawn "$log" env GSETTINGS_BACKEND=memory "$program" --headless --wayland --sm-disable \
        --virtual-monitor "$3" --wayland-display "ombrix-$BASHPID"
    XD_WM_PID=$XD_LAST_PID
    if xd_wait_until "$timeout" xd_mutter_ready "$log"; then
        export DISPLAY=$XD_XWAYLAND_DISPLAY XAUTHORITY
        return 0
    fi
    echo "xdesktop: $program did not start XWayland" >&2
    return 1
}

# xd_start_kwin_wayland SCREEN LOG: KDE's kwin_wayland on a virtual output
# of SCREEN (WxH) with XWayland, under the session bus of
# DBUS_SESSION_BUS_ADDRESS. It runs from a copy of the binary beside LOG: the
# installed one carries a file capability that a sandbox may refuse to
# execute. Its fake-input protocol takes input from any client
# (KWIN_WAYLAND_NO_PERMISSION_CHECKS). XWayland is its child and needs no
# authority file. Exports DISPLAY; XD_WAYLAND_DISPLAY is its Wayland socket.
xd_start_kwin_wayland() {
    local log=$2 copy
    copy=$(dirname "$log")/kwin_wayland
    cp "$(command -v kwin_wayland)" "$copy" || return 1
    XD_WAYLAND_DISPLAY=ombrix-$BASHPID
    xd_spawn "$log" env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_COMPOSE=Q "$copy" --virtual \
        --xwayland --width "${1%x*}" --height "${1#*x}" --socket "$XD_WAYLAND_DISPLAY" \
        --no-lockscreen --no-global-shortcuts --no-kactivities
    XD_WM_PID=$XD_LAST_PID
    if xd_wait_until 30 xd_kwin_wayland_ready; then
        export DISPLAY=$XD_XWAYLAND_DISPLAY
        return 0
    fi
    echo "xdesktop: kwin_wayland did not start XWayland" >&2
    return 1
}

xd_kwin_wayland_ready() {
    local child
    xd_alive "$XD_WM_PID" || return 1
    child=$(pgrep -P "$XD_WM_PID" -x Xwayland | head -n 1)
    [[ -n $child ]] || return 1
    XD_XWAYLAND_DISPLAY=$(tr '\0' '\n' <"/proc/$child/cmdline" | grep -m 1 '^:[0-9]*$')
    [[ -n $XD_XWAYLAND_DISPLAY ]] && DISPLAY=$XD_XWAYLAND_DISPLAY xd_wm_ready
}

xd_mutter_ready() {
    xd_alive "$XD_WM_PID" || return 1
    XD_XWAYLAND_DISPLAY=$(grep -o 'Using public X11 display :[0-9]*' "$1" | grep -o ':[0-9]*$')
    XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" | head -n 1)
    [[ -n $XD_XWAYLAND_DISPLAY && -n $XAUTHORITY ]] &&
        DISPLAY=$XD_XWAYLAND_DISPLAY XAUTHORITY=$XAUTHORITY xd_wm_ready
}

# XWayland starts when the first client comes.
xd_xwayland_ready() {
    xd_alive "$XD_WM_PID" || return 1
    XD_XWAYLAND_DISPLAY=$(grep -o 'xserver listening on display :[0-9]*' "$1" | grep -o ':[0-9]*$')
    [[ -n $XD_XWAYLAND_DISPLAY ]] && xdpyinfo -display "$XD_XWAYLAND_DISPLAY" >/dev/null 2>&1
}

xd_wm_ready() {
    xd_alive "$XD_WM_PID" &&
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# xd_start_openbox LOG: starts openbox on DISPLAY and waits until it manages
# the screen.
xd_start_openbox() {
    xd_start_wm openbox "$1"
}

# xd_start_wm NAME LOG: starts that window manager on DISPLAY and waits
# until it manages the screen: openbox; the tiling i3 with a private
# configuration written beside LOG; KDE's kwin_x11 (kwin), GNOME's mutter
# (mutter-x11), Cinnamon's muffin, MATE's marco and XFCE's xfwm4, which need
# the session bus of DBUS_SESSION_BUS_ADDRESS. Those that can composite are
# told not to: an X server with no graphics card would do it in software,
# slowly.
xd_start_wm() {
    local name=$1 log=$2 config
    case $name in
    openbox) xd_spawn "$log" openbox --sm-disable ;;
    i3)
        # No bar, no first-start wizard: nothing but the windows under test.
        config=$(dirname "$log")/i3.config
        printf '%s\n' '# i3 config file (v4)' 'font pango:DejaVu Sans 8' >"$config"
        xd_spawn "$log" i3 -c "$config"
        ;;
    kwin) xd_spawn "$log" env KWIN_COMPOSE=N kwin_x11 ;;
    mutter-x11) xd_spawn "$log" env GSETTINGS_BACKEND=memory mutter --x11 --replace --sm-disable ;;
    muffin) xd_spawn "$log" env GSETTINGS_BACKEND=memory muffin --replace --sm-disable ;;
    marco) xd_spawn "$log" env GSETTINGS_BACKEND=memory marco --replace --no-composite --sm-disable ;;
    xfwm4) xd_spawn "$log" xfwm4 --replace --compositor=off --sm-client-disable ;;
    *)
        echo "xdesktop: no window manager called '$name'" >&2
        return 1
        ;;
    esac
    XD_WM_PID=$XD_LAST_PID
    xd_wait_until 20 xd_wm_ready && return 0
    echo "xdesktop: $name did not take the screen" >&2
    return 1
}
