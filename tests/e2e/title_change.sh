#!/usr/bin/env bash
# Types a title (MORVANE_TITLE, or "Susan's World") and writes it per-user for "Windows NT/XP";
# writes another machine-wide for "Windows 95/98", which the per-user one hides, as the label
# says; then Use Default removes the machine-wide value for "Windows ME/2000" and the per-user
# one, after which the browser's own name shows. All in this program's registry view only; it
# leaves through Exit.
PROGRAM=$1
LOCATE=$2
TITLE=${MORVANE_TITLE:-"Susan's World"}
source "$(dirname "$0")/lib.sh"

delete_value "$USER_KEY" "Window Title"
delete_value "$MACHINE_KEY" "Window Title"
if [[ -n $OTHER_VIEW_KEY ]]; then set_value "$OTHER_VIEW_KEY" "Window Title" "Other view"; fi
trap stop_program EXIT

start_program "$PROGRAM"
wait_for_window "$MAIN"
screenshot main-window-start

click_control "$MAIN" "Edit:"
type_text "$TITLE"
click_control "$MAIN" "Change to Typed Message"
expect_value "$USER_KEY" "Window Title" "$TITLE" "per-user title not written"
registry_value "$MACHINE_KEY" "Window Title" >/dev/null && fail "machine-wide title written too"
expect_shown "$MAIN" "\" - $TITLE\""
screenshot main-window-changed

click_control "$MAIN" "Windows 95/98"
click_control "$MAIN" "Edit:"
press_keys ctrl+a
type_text "Everyone's title"
click_control "$MAIN" "Change to Typed Message"
expect_value "$MACHINE_KEY" "Window Title" "Everyone's title" \
    "machine-wide title not written for Windows 95/98"
expect_shown "$MAIN" "Changed, but your Windows NT/XP title comes first:"
expect_shown "$MAIN" "\" - $TITLE\""
screenshot main-window-hidden

click_control "$MAIN" "Windows ME/2000"
click_control "$MAIN" "Use Default"
expect_no_value "$MACHINE_KEY" "Window Title" \
    "machine-wide title not removed for Windows ME/2000"
[[ "$(registry_value "$USER_KEY" "Window Title")" == "$TITLE" ]] ||
    fail "the per-user title changed"

click_control "$MAIN" "Windows NT/XP"
click_control "$MAIN" "Use Default"
expect_no_value "$USER_KEY" "Window Title" "per-user title not removed for Windows NT/XP"
expect_shown "$MAIN" "\" - Internet Explorer\""
if [[ -n $OTHER_VIEW_KEY ]]; then
    [[ "$(registry_value "$OTHER_VIEW_KEY" "Window Title")" == "Other view" ]] ||
        fail "the other registry view was changed"
fi
screenshot main-window-default

click_control "$MAIN" "Exit"
wait_for_program_end
echo "e2e title change: passed"
