#!/usr/bin/env bash
# Installs the build into a staging directory as a package would (prefix
# /usr, DESTDIR), checks that every file lands where the desktop looks for it
# and that the menu entry and the AppStream metadata are valid, then starts
# the installed program, checks that its window matches its entry and has
# every size of the icon, completes its startup notification, and lets it
# open its help page from share/ombrix. The Debian package made by cpack
# carries the copyright file, and lintian finds nothing in it.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"

BUILD_DIR=$(dirname "$(dirname "$OMBRIX_BIN")")
STAGE=$E2E_TMP/stage
PREFIX=$STAGE/usr
APP_ID=org.example.drevani.ombrix

install_build() {
    DESTDIR=$STAGE cmake --install "$BUILD_DIR" --prefix /usr >"$E2E_TMP/install.log" 2>&1
}

png_size() {
    identify -format '%wx%h' "$1" 2>/dev/null
}

check_files() {
    e2e_assert "the program is installed and executable" test -x "$PREFIX/bin/ombrix"
    e2e_assert "the help page is in share/ombrix" \
        cmp -s "$OMBRIX_SOURCE_DIR/assets/Ombrix_Help.htm" "$PREFIX/share/ombrix/Ombrix_Help.htm"
    e2e_assert_not "no help page is left in bin" test -e "$PREFIX/bin/Ombrix_Help.htm"
    e2e_assert "the menu entry is in share/applications" \
        test -f "$PREFIX/share/applications/$APP_ID.desktop"
    e2e_assert "the AppStream metadata is in share/metainfo" \
        test -f "$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
    e2e_assert "the copyright file is where Debian keeps it" \
        cmp -s "$OMBRIX_SOURCE_DIR/assets/copyright" "$PREFIX/share/doc/ombrix/copyright"
    e2e_assert "the manual page is installed, compressed" \
        cmp -s "$OMBRIX_SOURCE_DIR/assets/ombrix.1" <(gzip -dc "$PREFIX/share/man/man1/ombrix.1.gz")
    e2e_assert "the changelog is installed, compressed" \
        cmp -s "$OMBRIX_SOURCE_DIR/assets/debian/changelog" \
        <(gzip -dc "$PREFIX/share/doc/ombrix/changelog.gz")
    e2e_assert "the scalable icon is installed" \
        test -f "$PREFIX/share/icons/hicolor/scalable/apps/ombrix.svg"
    local size
    for size in 16 32 48 64 128 256; do
        e2e_assert_eq "${size}x$size" \
            "$(png_size "$PREFIX/share/icons/hicolor/${size}x$size/apps/ombrix.png")" \
            "the ${size}x$size icon is a picture of that size"
    done
}

check_desktop_entry() {
    local entry=$PREFIX/share/applications/$APP_ID.desktop output
    output=$(desktop-file-validate "$entry" 2>&1)
    e2e_assert_eq "" "$output" "desktop-file-validate has nothing to say about the entry"
    e2e_assert_eq ombrix "$(sed -n 's/^Exec=//p' "$entry")" "the entry starts the installed program"
    e2e_assert_eq ombrix "$(sed -n 's/^Icon=//p' "$entry")" "the entry names the installed icon"
}

# appstreamcli_issues COMMAND ARG...: the exit status of appstreamcli and the
# issues it reports (errors, warnings and infos), one a line.
appstreamcli_issues() {
    local output status=0
    output=$(appstreamcli "$@" 2>&1) || status=$?
    echo "$status"
    grep -E '^ *[EWI]: ' <<<"$output"
}

check_metainfo() {
    local metainfo=$PREFIX/share/metainfo/$APP_ID.metainfo.xml version
    e2e_assert_eq 0 "$(appstreamcli_issues validate --pedantic --no-net "$metainfo")" \
        "appstreamcli validate --pedantic has nothing to say about the metadata"
    # The tree check also finds the menu entry the metadata launches.
    e2e_assert_eq 0 "$(appstreamcli_issues validate-tree --pedantic --no-net "$PREFIX")" \
        "appstreamcli validate-tree --pedantic has nothing to say about the installed tree"
    e2e_assert_eq GPL-3.0-or-later "$(sed -n 's/.*<project_license>\(.*\)<.*/\1/p' "$metainfo")" \
        "the metadata gives the program's licence"
    version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    e2e_assert_eq "Ombrix $version" "$(env -u DISPLAY "$PREFIX/bin/ombrix" --version)" \
        "the newest release in the metadata is the installed program's version"
}

# A viewer of our own on PATH stands in for the desktop's: it writes the
# arguments it was given, one a line, and ends.
install_fake_viewer() {
    mkdir -p "$E2E_TMP/fakebin"
    cat >"$E2E_TMP/fakebin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >>"$E2E_TMP/opened"
EOF
    chmod +x "$E2E_TMP/fakebin/xdg-open"
    export PATH=$E2E_TMP/fakebin:$PATH
}

viewer_was_called() {
    [[ -s $E2E_TMP/opened ]]
}

# icon_sizes: the sizes of the ruler's window icons, "16x16 32x32 ...".
icon_sizes() {
    xprop -id "$WID" -len 1000000 _NET_WM_ICON 2>/dev/null |
        sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)):$/\1x\2/p' | xargs
}

icon_sizes_are() {
    [[ $(icon_sizes) == "$1" ]]
}

# Task bars and docks tie a window to its menu entry by the class half of
# WM_CLASS, which the entry names as StartupWMClass.
check_window_matches_entry() {
    local entry=$PREFIX/share/applications/$APP_ID.desktop class
    class=$(xprop -id "$WID" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
    e2e_assert_eq "$(sed -n 's/^StartupWMClass=//p' "$entry")" "$class" \
        "the ruler's window class is its entry's StartupWMClass"
    e2e_assert "the ruler's icon comes in every size from 16 to 256 pixels" \
        e2e_wait_until 5 icon_sizes_are "16x16 32x32 48x48 64x64 128x128 256x256"
}

# The package is made from the same tree and carries the copyright file.
check_package() {
    local deb
    cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$E2E_TMP/package" \
        >"$E2E_TMP/cpack.log" 2>&1 || {
        cat "$E2E_TMP/cpack.log"
        e2e_fail "cpack -G DEB makes a package"
        return
    }
    deb=$(echo "$E2E_TMP"/package/ombrix_*.deb)
    e2e_assert "the package carries usr/share/doc/ombrix/copyright" \
        e2e_package_has "$deb" ./usr/share/doc/ombrix/copyright
    e2e_assert_eq "$(cat "$OMBRIX_SOURCE_DIR/assets/copyright")" \
        "$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/ombrix/copyright)" \
        "the package's copyright file is ours"
    # Its own notes (on running as root) go to stderr; every tag to stdout.
    e2e_assert_eq "" "$(lintian --pedantic --info "$deb" 2>/dev/null)" \
        "lintian --pedantic has nothing to say about the package"
}

e2e_package_has() {
    dpkg-deb -c "$1" | awk '{ print $NF }' | grep -qxF "$2"
}

startup_completed() {
    grep -q '(_NET_STARTUP_INFO_BEGIN)' "$E2E_TMP/startup.log"
}

check_installed_program_opens_help() {
    e2e_start_desktop
    install_fake_viewer
    e2e_assert_eq true "$(sed -n 's/^StartupNotify=//p' "$PREFIX/share/applications/$APP_ID.desktop")" \
        "the entry asks for startup notification"
    xd_spawn "$E2E_TMP/startup.log" stdbuf -oL xev -root -event property
    sleep 0.5 # xev says nothing when it has selected the root's events
    E2E_OMBRIX_ENV+=(DESKTOP_STARTUP_ID=ombrix-e2e_TIME0)
    OMBRIX_BIN=$PREFIX/bin/ombrix e2e_assert "the installed ruler shows alone, 400 x 84 pixels" \
        ruler_starts
    e2e_assert "the ruler's showing completes the startup notification" \
        e2e_wait_until 5 startup_completed
    check_window_matches_entry
    # shellcheck disable=SC2086  # the point splits into X Y on purpose
    e2e_assert "a right press on the ruler face opens the menu" open_menu $RULER_FACE
    e2e_key h
    e2e_assert "choosing Help calls the viewer" e2e_wait_until 10 viewer_was_called
    e2e_assert_eq "$(realpath "$PREFIX/share/ombrix/Ombrix_Help.htm")" "$(cat "$E2E_TMP/opened")" \
        "the viewer is given the installed help page"
}

install_build || {
    cat "$E2E_TMP/install.log"
    e2e_fatal "cmake --install into a staging directory"
}
e2e_pass "cmake --install into a staging directory"
check_files
check_desktop_entry
check_metainfo
check_package
check_installed_program_opens_help
