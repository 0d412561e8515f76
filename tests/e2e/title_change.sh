#!/usr/bin/env bash
# Types a title (MORVANE_TITLE, or "Susan's World") and writes it per-user for "Windows NT/XP",
# then writes the default text machine-wide for "Windows 95/98" and "Windows ME/2000", in this
# program's registry view only, and leaves through Exit.
PROGRAM=$1
LOCATE=$2
TITLE=${MORVANE_TITLE:-"Susan's World"}
source "$(dirname "$0")/lib.sh"

delete_value "$USER_KEY" "Window Title"
delete_value "$MACHINE_KEY" "Window Title"
if [[ -n $OTHER_VIEW_KEY ]]; then delete_value "$OTHER_VIEW_KEY" "Window Title"; fi
trap stop_program EXIT

start_program "$PROGRAM"
wait_for_window "$MAIN"
screenshot main-window-start

click_control "$MAIN" "Edit:"
type_text "$TITLE"
click_control "$MAIN" "Change to Typed Message"
expect_value "$USER_KEY" "Window Title" "$TITLE" "per-user title not written"
registry_value "$MACHINE_KEY" "Window Title" >/dev/null && fail "machine-wide title written too"
screenshot main-window-changed

click_control "$MAIN" "Windows 95/98"
click_control "$MAIN" "Use Default"
expect_value "$MACHINE_KEY" "Window Title" "Microsoft Internet Explorer" \
    "default title not written machine-wide for Windows 95/98"

delete_value "$MACHINE_KEY" "Window Title"
click_control "$MAIN" "Windows ME/2000"
click_control "$MAIN" "Use Default"
expect_value "$MACHINE_KEY" "Window Title" "Microsoft Internet Explorer" \
    "default title not written machine-wide for Windows ME/2000"
[[ "$(registry_value "$USER_KEY" "Window Title")" == "$TITLE" ]] ||
    fail "the per-user title changed"
if [[ -n $OTHER_VIEW_KEY ]] && registry_value "$OTHER_VIEW_KEY" "Window Title" >/dev/null; then
    fail "the machine-wide title landed in the other registry view too"
fi
screenshot main-window-default

click_control "$MAIN" "Exit"
wait_for_program_end
echo "e2e title change: passed"
