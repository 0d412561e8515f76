#!/usr/bin/env bash
# Opens the help window from the main window and closes it by each route a person uses:
# Alt+C, the close box, Alt+F4 and the Close button; while it is open the main window takes
# no clicks.
PROGRAM=$1
LOCATE=$2
source "$(dirname "$0")/lib.sh"

delete_value "$USER_KEY" "Window Title"
trap stop_program EXIT
start_program "$PROGRAM"
wait_for_window "$MAIN"

# Remember where the main window's button is before the help window may cover it.
change_button=$(control_centre "$MAIN" "Change to Typed Message")

click_control "$MAIN" "Help"
wait_for_window "$HELP"
screenshot help-window "$HELP"
locate "$HELP" | grep -q ' Static Version 1.0.0$' || fail "no version line"
locate "$HELP" | grep -q ' Static Copyright © 2026 Selbrook Software$' || fail "no copyright"

# The main window is disabled while the help window is open.
# shellcheck disable=SC2086
click_at $change_button
registry_value "$USER_KEY" "Window Title" >/dev/null && fail "the main window took a click"
window_shown "$HELP" || fail "the help window closed on a click in the main window"

press_keys alt+c
wait_for_window_gone "$HELP"

click_control "$MAIN" "Help"
wait_for_window "$HELP"
click_close_box "$HELP"
wait_for_window_gone "$HELP"

click_control "$MAIN" "Help"
wait_for_window "$HELP"
press_keys alt+F4
wait_for_window_gone "$HELP"
window_shown "$MAIN" || fail "Alt+F4 closed the main window too"

click_control "$MAIN" "Help"
wait_for_window "$HELP"
click_control "$HELP" "&Close"
wait_for_window_gone "$HELP"

# The main window works again.
click_control "$MAIN" "Change to Typed Message"
expect_value "$USER_KEY" "Window Title" "" "the main window did not come back"
screenshot help-window-closed
click_control "$MAIN" "Exit"
wait_for_program_end
echo "e2e help window: passed"
