#!/usr/bin/env bash
# The help window's Connect buttons, end to end: each opens its own mirror site in the
# "browser" (a script that records what it is asked to open); with wininet unavailable the
# error box appears and the help window closes; and DLLs planted beside the program are never
# loaded.
PROGRAM=$1
LOCATE=$2
PLANTED_DLL=$3
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d /tmp/morvane-connection.XXXXXX)
record_browser
opened=$BROWSER_LOG
finish() {
    stop_program
    forget_browser
    rm -rf "$work"
}
trap finish EXIT

open_help() {
    click_control "$MAIN" "Help"
    wait_for_window "$HELP"
}

# Connect buttons are told apart by their rows: 1, 2, 3 from the top.
connect_button() {
    locate "$HELP" | awk -v row="$1" '$1 == "control" && $4 == "Button" && $5 == "Connect" {
        y[++n] = $3; x[n] = $2 } END {
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (y[j] < y[i]) {
            t = y[i]; y[i] = y[j]; y[j] = t; t = x[i]; x[i] = x[j]; x[j] = t }
        print x[row], y[row] }'
}

press_connect() {
    # shellcheck disable=SC2046
    click_at $(connect_button "$1")
}

# 1. Each button opens exactly its own site, once per press; the help window stays open.
start_program "$PROGRAM"
wait_for_window "$MAIN"
open_help
press_connect 2
wait_for_opened 1
press_connect 3
wait_for_opened 2
press_connect 1
wait_for_opened 3
press_connect 1
wait_for_opened 4
expected=$'http://selbrook.example.net/\nhttp://selbrook.example.org/\nhttp://selbrook.example.com/\nhttp://selbrook.example.com/'
[[ "$(cat "$opened")" == "$expected" ]] || fail "opened: $(cat "$opened")"
window_shown "$HELP" || fail "the help window closed after a successful connect"
screenshot connect-help-still-open
click_control "$HELP" "&Close"
click_control "$MAIN" "Exit"
wait_for_program_end

# 2. With wininet unavailable: the error box, no site, the help window closes, the main
#    window still writes titles.
rm -f "$opened"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wininet=" start_program "$PROGRAM"
wait_for_window "$MAIN"
open_help
press_connect 1
wait_for_window "Error"
screenshot connect-error-box
message=$(locate "Error" | awk '$1 == "control" && $4 == "Static" && NF > 4 {
    sub(/^control [-0-9]+ [-0-9]+ Static /, ""); print; exit }')
[[ "$message" == ' 53 : File not found: C:\windows\system32\wininet.dll' ]] ||
    fail "error box says: '$message'"
click_control "Error" "OK"
wait_for_window_gone "$HELP"
[[ -f "$opened" ]] && fail "a site was opened although the dial-up service was missing"
delete_value "$USER_KEY" "Window Title"
click_control "$MAIN" "Change to Typed Message"
expect_value "$USER_KEY" "Window Title" "" "the main window stopped working"
click_control "$MAIN" "Exit"
wait_for_program_end

# 3. DLLs planted beside the program are never loaded, even when Wine is told to prefer native
#    ones: a wininet.dll, which Morvane loads by full path, and a uxtheme.dll, which the system
#    loads by bare name as the first window is made, after start-up has taken the program's
#    folder out of the search. The site still opens.
mkdir -p "$work/downloads"
cp "$PROGRAM" "$work/downloads/morvane.exe"
for planted in wininet uxtheme; do cp "$PLANTED_DLL" "$work/downloads/$planted.dll"; done
PROGRAM="$work/downloads/morvane.exe"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wininet,uxtheme=n,b" start_program "$PROGRAM"
wait_for_window "$MAIN"
open_help
press_connect 3
wait_for_opened 1
[[ "$(cat "$opened")" == "http://selbrook.example.org/" ]] || fail "opened: $(cat "$opened")"
for planted in wininet uxtheme; do
    [[ -e "$work/downloads/$planted.dll.loaded" ]] && fail "the planted $planted.dll was loaded"
done
click_control "$HELP" "&Close"
click_control "$MAIN" "Exit"
wait_for_program_end
echo "e2e connection: passed"
