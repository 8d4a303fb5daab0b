#!/usr/bin/env bash
# Installs, with apt-get, whatever Ombrix needs that this Debian 12 machine
# still lacks: with --run what building and running the program takes
# (scripts/run.sh), with --all (the default) that and everything the tests
# need (scripts/test.sh). When everything is present it touches neither the
# network nor the package lists, so a second run returns at once.
set -euo pipefail

# lrelease (qt6-l10n-tools) compiles the message catalogues into the program;
# the benchmarks' follow_watch uses Damage and XTEST.
build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-l10n-tools
    libxcb1-dev libxcb-randr0-dev libxcb-xkb-dev libpng-dev libgl-dev fonts-dejavu-core
    libxcb-damage0-dev libxcb-xtest0-dev)
# The program opens its help page with xdg-open and finds the default text
# editor with xdg-mime; its readouts are set in Liberation Sans Narrow; Qt's
# own texts are translated by qt6-translations-l10n.
runtime_packages=(xdg-utils fonts-liberation qt6-translations-l10n)
# The private desktop scripts/run.sh starts where there is no display, and
# its screenshot.
desktop_packages=(xvfb openbox xdotool x11-utils imagemagick)
# The desktops the windows are tried under (tests/e2e/desktops): the tiling
# i3; KDE's kwin_x11, GNOME's mutter, Cinnamon's muffin (which needs
# cinnamon-settings-daemon's schemas), MATE's marco (which needs
# mate-settings-daemon-common's) and XFCE's xfwm4 on X11; weston, mutter,
# GNOME Shell and kwin_wayland with XWayland; dbus-daemon their session bus
# and that of weston's colour picker. appstream validates the software-centre
# metadata; Xorg's dummy driver gives several monitors. at-spi2-core's bus,
# dbus-send and pyatspi show the windows as a screen reader sees them;
# python3-gi speaks to mutter's RemoteDesktop service for a drag its seat
# pointer makes. The code and the scripts are kept in shape by clang-format
# and shellcheck.
# lintian checks the Debian package; xfce4-clipman is the clipboard manager
# the copy is handed to.
test_packages=(clang-format shellcheck i3-wm xclip x11-xserver-utils xauth desktop-file-utils
    appstream weston mutter kwin-x11 xwayland dbus-daemon xserver-xorg-video-dummy lintian
    xfce4-clipman gnome-shell kwin-wayland muffin cinnamon-settings-daemon marco
    mate-settings-daemon-common xfwm4 at-spi2-core dbus-bin python3-pyatspi
    python3-gi)

case ${1:---all} in
--run) wanted=("${build_packages[@]}" "${runtime_packages[@]}" "${desktop_packages[@]}") ;;
--all)
    wanted=("${build_packages[@]}" "${runtime_packages[@]}" "${desktop_packages[@]}"
        "${test_packages[@]}")
    ;;
*)
    echo "usage: $0 [--run | --all]" >&2
    exit 2
    ;;
esac

is_installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]
}

missing=()
for package in "${wanted[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#wanted[@]} packages asked for (${1:---all}) are present"
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: missing ${missing[*]}; run this script as root or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"

still_missing=()
for package in "${missing[@]}"; do
    is_installed "$package" || still_missing+=("$package")
done
if ((${#still_missing[@]} > 0)); then
    echo "install-deps: apt-get left ${still_missing[*]} uninstalled" >&2
    exit 1
fi
