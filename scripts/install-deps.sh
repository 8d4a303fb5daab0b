#!/usr/bin/env bash
# Installs, with apt-get, whatever Ombrix needs to build and test that this
# Debian 12 machine still lacks. When everything is present it touches neither
# the network nor the package lists, so a second run returns at once.
set -euo pipefail

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev
    libxcb1-dev libxcb-randr0-dev libxcb-xkb-dev libgl-dev fonts-dejavu-core)
# The program opens its help page with xdg-open.
runtime_packages=(xdg-utils)
# i3 is the tiling window manager the windows are tried under; appstream
# validates the software-centre metadata. weston with XWayland is the Wayland
# desktop, dbus-daemon the session bus of its colour picker; Xorg's dummy
# driver gives several monitors.
test_packages=(xvfb openbox i3-wm xdotool xclip x11-utils x11-xserver-utils
    imagemagick xauth desktop-file-utils appstream weston xwayland dbus-daemon
    xserver-xorg-video-dummy)

is_installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]
}

missing=()
for package in "${build_packages[@]}" "${runtime_packages[@]}" "${test_packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#build_packages[@]} build, ${#runtime_packages[@]} runtime and ${#test_packages[@]} test packages are present"
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
