#!/usr/bin/env bash
# Uses both windows from the keyboard alone, as a person without a mouse would: Tab and
# Shift+Tab round each window, the arrow keys within the option group, Space and Enter on the
# focused button, Esc, Alt+C and Alt+F4. On the way, a title the system's code page cannot hold
# is refused and the earlier one stays, while Use Default still removes it.
PROGRAM=$1
LOCATE=$2
source "$(dirname "$0")/lib.sh"

INSTRUCTIONS="Edit Morvane is a simple freeware program"

# Passes when the focused control's class and text begin with what is given.
expect_focus() {
    local caption=$1 expected=$2 found
    found=$(locate "$caption" | sed -n 's/^focus [-0-9]* [-0-9]* //p')
    [[ "$found" == "$expected"* ]] || fail "the focus is on '$found', not on '$expected'"
}

# Presses the key, then expects the focus where given.
press_then_focus() {
    local key=$1
    shift
    press_keys "$key"
    expect_focus "$@"
}

set_value "$USER_KEY" "Window Title" "Earlier title"
set_value "$MACHINE_KEY" "Window Title" "Earlier machine-wide title"
trap stop_program EXIT
start_program "$PROGRAM"
wait_for_window "$MAIN"
expect_focus "$MAIN" "Edit "

# Greek letters have no place in the Western code page, nor has a zero-width space: nothing is
# written, and the space that shows nothing is named by its code.
type_text "$(printf 'Athens\xe2\x80\x8b Αθήνα')"  # U+200B in UTF-8
press_then_focus Tab "$MAIN" "Button Change to Typed Message"
press_keys space
sleep 1
[[ "$(registry_value "$USER_KEY" "Window Title")" == "Earlier title" ]] ||
    fail "the earlier title was overwritten"
locate "$MAIN" | grep -q '^control .* Static Your Internet Explorer could not be changed: ' ||
    fail "the refusal is not shown"
locate "$MAIN" | grep -qF 'This system cannot store "U+200B Α θ' ||
    fail "the refusal does not name the zero-width space by its code"
screenshot keyboard-text-refused

press_then_focus Tab "$MAIN" "Button Use Default"
press_keys space
expect_no_value "$USER_KEY" "Window Title" "Use Default did not remove the per-user title"

# The rest of the round, and back.
press_then_focus Tab "$MAIN" "Button Exit"
press_then_focus Tab "$MAIN" "Button Windows NT/XP"
press_then_focus Tab "$MAIN" "Button Help"
press_then_focus Tab "$MAIN" "Edit Internet Explorer"
press_then_focus shift+Tab "$MAIN" "Button Help"
press_then_focus shift+Tab "$MAIN" "Button Windows NT/XP"

# The arrow keys choose within the group; the choice decides where Use Default removes.
press_then_focus Left "$MAIN" "Button Windows ME/2000"
press_then_focus Left "$MAIN" "Button Windows 95/98"
press_then_focus Right "$MAIN" "Button Windows ME/2000"
press_then_focus shift+Tab "$MAIN" "Button Exit"
press_then_focus shift+Tab "$MAIN" "Button Use Default"
press_keys space
expect_no_value "$MACHINE_KEY" "Window Title" \
    "Use Default did not remove the machine-wide title for Windows ME/2000"
screenshot keyboard-machine-wide

# The help window: its instructions box hands Tab on, both ways (the whole order is the window
# tests' concern).
press_keys shift+Tab shift+Tab
press_then_focus shift+Tab "$MAIN" "Button Help"
press_keys space
wait_for_window "$HELP"
expect_focus "$HELP" "$INSTRUCTIONS"
press_then_focus Tab "$HELP" "Button &Close"
press_then_focus shift+Tab "$HELP" "$INSTRUCTIONS"
press_then_focus shift+Tab "$HELP" "Button Connect"
press_then_focus Tab "$HELP" "$INSTRUCTIONS"
press_then_focus Tab "$HELP" "Button &Close"
screenshot keyboard-help
# Enter presses the focused button: Close, then Help, which has the focus back.
press_keys Return
wait_for_window_gone "$HELP"
expect_focus "$MAIN" "Button Help"
screenshot keyboard-focus-back
press_keys Return
wait_for_window "$HELP"
# Esc closes the help window from any control; the main window has no cancel key.
press_then_focus shift+Tab "$HELP" "Button Connect"
press_keys Escape
wait_for_window_gone "$HELP"
press_keys Escape
window_shown "$MAIN" || fail "Esc closed the main window"

press_keys space
wait_for_window "$HELP"
press_keys alt+c
wait_for_window_gone "$HELP"
expect_focus "$MAIN" "Button Help"

press_keys space
wait_for_window "$HELP"
press_keys alt+F4
wait_for_window_gone "$HELP"
window_shown "$MAIN" || fail "Alt+F4 in the help window closed the main window too"
press_keys alt+F4
wait_for_program_end
echo "e2e keyboard: passed"
