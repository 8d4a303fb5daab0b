#!/usr/bin/env bash
# The About box on the real program: opened by the ruler's "&About", a
# borderless top-most window of 5760 x 4395 twips titled "About Ombrix"; its
# "Clo&se" button and its close picture end it while the program goes on.
# "&System Info" with no system-information program to be found shows the
# message window "Ombrix" above the box, which stays open; with one on PATH
# that program is started and no message shows. Alt+S, the access key of both
# "Clo&se" and "&System Info", presses neither of them. Escape closes it.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck disable=SC2086  # the points split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

CLOSE_BUTTON=(4320 3120 1245 345)
SYSINFO_BUTTON=(4320 3840 1245 345)
CLOSE_PICTURE=(5346 72 315 315)
# The programs the box looks for; the lookup falls back on /usr/bin.
SYSINFO_TOOLS=(hardinfo2 hardinfo kinfocenter gnome-system-monitor mate-system-monitor)
NO_TOOLS_PATH=/usr/bin:/bin

open_about() {
    menu_command $RULER_FACE a || e2e_fatal "About is chosen from the ruler's menu"
    ABOUT=$(e2e_wait_window '^About Ombrix$') || e2e_fatal "the About box appears"
}

message_window() {
    xd_visible_windows --name '^Ombrix$'
}

message_shows() {
    [[ -n $(message_window) ]]
}

no_message() {
    ! message_shows
}

about_open() {
    ! e2e_window_gone "$ABOUT"
}

sysinfo_tool_installed() {
    local tool
    for tool in "${SYSINFO_TOOLS[@]}"; do
        [[ -e /usr/bin/$tool ]] && return 0
        PATH=$NO_TOOLS_PATH command -v "$tool" >/dev/null && return 0
    done
    return 1
}

check_opens() {
    open_about
    local x y w h
    read -r x y w h < <(e2e_geometry "$ABOUT")
    e2e_assert_eq "384 293" "$w $h" "the About box is 5760 x 4395 twips"
    e2e_assert "the About box has no frame" e2e_unframed "$ABOUT"
    e2e_assert_above "$ABOUT" "the About box is top-most"
    e2e_assert "the About box has the keyboard" e2e_wait_until 5 e2e_has_focus "$ABOUT"
    shoot "$ABOUT" about
}

ABOUT_TABS=("push button|Join the Drevani Mailing List" "push button|Drevani"
    "push button|Close" "push button|System Info")

check_accessible() {
    e2e_assert_controls "About Ombrix" "push button|Close|Press" "label|Version 1.0.0|" \
        "push button|Drevani Software|Press" "push button|Drevani Home Page|Press" \
        "${ABOUT_TABS[@]/%/|Press,SetFocus}"
    e2e_assert_tab_walk "About Ombrix" "${ABOUT_TABS[@]}"
}

check_escape() {
    open_about
    e2e_assert "the About box has the keyboard" focus_window "$ABOUT"
    e2e_key Escape
    e2e_assert "Escape ends the About box" e2e_wait_until 5 e2e_window_gone "$ABOUT"
    e2e_assert "the program goes on after Escape" xd_alive "$E2E_OMBRIX_PID"
}

check_shared_access_key() {
    e2e_key alt+s
    e2e_key alt+s
    sleep 0.3
    e2e_assert "Alt+S leaves the About box open" about_open
    e2e_assert "Alt+S shows no message" no_message
}

check_close_button() {
    click_in "$ABOUT" "${CLOSE_BUTTON[@]}"
    e2e_assert "Clo&se ends the About box" e2e_wait_until 5 e2e_window_gone "$ABOUT"
    e2e_assert "the program goes on" xd_alive "$E2E_OMBRIX_PID"
    e2e_assert "the ruler is still shown" xd_has_visible_window --pid "$E2E_OMBRIX_PID"
}

check_unavailable_message() {
    local message
    open_about
    click_in "$ABOUT" "${SYSINFO_BUTTON[@]}"
    e2e_assert "System Info shows a message titled Ombrix" e2e_wait_until 5 message_shows
    message=$(message_window | head -n 1)
    e2e_assert_above "$message" "the message is top-most"
    e2e_assert "the About box stays open under the message" about_open
    shoot "$message" about-sysinfo-message
    e2e_assert "the message has the keyboard" focus_window "$message"
    e2e_key Return
    e2e_assert "Return dismisses the message" e2e_wait_until 5 no_message
    e2e_assert "the About box is still open" about_open
    click_in "$ABOUT" "${CLOSE_PICTURE[@]}"
    e2e_assert "the close picture ends the About box" e2e_wait_until 5 e2e_window_gone "$ABOUT"
    e2e_assert "the program goes on after the close picture" xd_alive "$E2E_OMBRIX_PID"
}

started() {
    [[ -e $E2E_TMP/sysinfo-started ]]
}

check_tool_started() {
    mkdir -p "$E2E_TMP/bin"
    printf '#!/bin/sh\ntouch "%s"\n' "$E2E_TMP/sysinfo-started" >"$E2E_TMP/bin/${SYSINFO_TOOLS[0]}"
    chmod +x "$E2E_TMP/bin/${SYSINFO_TOOLS[0]}"
    PATH=$E2E_TMP/bin:$NO_TOOLS_PATH start_ruler_aside
    open_about
    click_in "$ABOUT" "${SYSINFO_BUTTON[@]}"
    e2e_assert "System Info starts the program found on PATH" e2e_wait_until 5 started
    sleep 0.3
    e2e_assert "no message shows when the program starts" no_message
    e2e_assert "the About box stays open" about_open
}

e2e_start_desktop
e2e_start_accessibility_bus
PATH=$NO_TOOLS_PATH start_ruler_aside
check_opens
check_accessible
check_shared_access_key
check_close_button
check_escape
if sysinfo_tool_installed; then
    echo "skipped: a system-information program is installed; no message to see"
else
    check_unavailable_message
fi
xd_stop "$E2E_OMBRIX_PID"
check_tool_started
