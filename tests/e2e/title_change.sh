#!/usr/bin/env bash
# Types a title (MORVANE_TITLE, or "Susan's World") and writes it per-user for "Windows NT/XP";
# writes another machine-wide for "Windows 95/98", which the per-user one hides, as the label
# says; then Use Default removes the machine-wide value for "Windows ME/2000" and the per-user
# one, after which the browser's own name shows. Machine-wide in both views of 64-bit Windows,
# as Windows 98 too; it leaves through Exit. Its windows are Unicode ones, their buttons themed.
# With MORVANE_WIN98 set, Wine reports Windows 98, its visual style on: ANSI windows, classic
# buttons, a
# Connect button and Alt+C work in the help window too, and the program's own calls into
# user32, gdi32 and advapi32, as Wine relays them, include no wide function that 9x has as a
# stub (but the wide open of a key in a registry view, which only the NT family has).
PROGRAM=$1
LOCATE=$2
TITLE=${MORVANE_TITLE:-"Susan's World"}
here=$(dirname "$0")
source "$here/lib.sh"

delete_value "$USER_KEY" "Window Title"
delete_value "$MACHINE_KEY" "Window Title"
machine_keys=("$MACHINE_KEY")
if [[ -n $OTHER_VIEW_KEY ]]; then
    set_value "$OTHER_VIEW_KEY" "Window Title" "Other view"
    machine_keys+=("$OTHER_VIEW_KEY")
fi

APP_KEY='HKCU\Software\Wine\AppDefaults\morvane.exe'
DEBUG_KEY='HKCU\Software\Wine\Debug'
finish() {
    stop_program
    [[ -n ${MORVANE_WIN98:-} ]] || return 0
    delete_value "$APP_KEY" Version
    delete_value "$DEBUG_KEY" RelayInclude
    delete_value "$DEBUG_KEY" RelayFromInclude
    forget_browser
}
trap finish EXIT

# The user32, gdi32 and advapi32 functions that the program's own code called, "dll.function" a
# line, from Wine's relay log: calls of the process that loaded morvane.exe, returning into its
# image (well under 16 MiB from where it was loaded).
calls_from_program() {
    local pid base name ret
    read -r pid base < <(sed -n \
        's/^\([0-9a-f]*\):.*loaddll.*\\morvane\.exe" at \([0-9A-Fa-f]*\).*/\1 \2/p' "$1")
    grep -oE "^$pid:[0-9a-f]+:Call (user32|gdi32|advapi32)\.[A-Za-z0-9]+\(.* ret=[0-9a-f]+$" "$1" |
        sed -E 's/^[^C]*Call ([^(]*)\(.* ret=([0-9a-f]+)$/\1 \2/' | while read -r name ret; do
        if (( 16#$ret >= 16#$base && 16#$ret < 16#$base + 0x1000000 )); then echo "$name"; fi
    done | sort -u
}

form=unicode look=themed
if [[ -n ${MORVANE_WIN98:-} ]]; then
    form=ansi look=classic
    set_value "$APP_KEY" Version win98
    set_value "$DEBUG_KEY" RelayInclude 'user32.*;gdi32.*;advapi32.*'
    set_value "$DEBUG_KEY" RelayFromInclude morvane
    record_browser
    export PROGRAM_LOG="$ARTIFACTS/relay.log" WINEDEBUG=+pid,+loaddll,+relay
fi
start_program "$PROGRAM"
unset WINEDEBUG
wait_for_window "$MAIN"
locate "$MAIN" | grep -q "^window .* $form\$" || fail "the main window is not a $form one"
expect_look "$MAIN" Exit $look
screenshot main-window-start

click_control "$MAIN" "Edit:"
type_text "$TITLE"
click_control "$MAIN" "Change to Typed Message"
expect_value "$USER_KEY" "Window Title" "$TITLE" "per-user title not written"
registry_value "$MACHINE_KEY" "Window Title" >/dev/null && fail "machine-wide title written too"
expect_shown "$MAIN" "\" - $TITLE\""
screenshot main-window-changed "$MAIN"

click_control "$MAIN" "Windows 95/98"
click_control "$MAIN" "Edit:"
press_keys ctrl+a
type_text "Everyone's title"
click_control "$MAIN" "Change to Typed Message"
for key in "${machine_keys[@]}"; do
    expect_value "$key" "Window Title" "Everyone's title" "machine-wide title not written to $key"
done
expect_shown "$MAIN" "Changed, but your Windows NT/XP title comes first:"
expect_shown "$MAIN" "\" - $TITLE\""
screenshot main-window-hidden

click_control "$MAIN" "Windows ME/2000"
click_control "$MAIN" "Use Default"
for key in "${machine_keys[@]}"; do
    expect_no_value "$key" "Window Title" "machine-wide title not removed from $key"
done
[[ "$(registry_value "$USER_KEY" "Window Title")" == "$TITLE" ]] ||
    fail "the per-user title changed"

click_control "$MAIN" "Windows NT/XP"
click_control "$MAIN" "Use Default"
expect_no_value "$USER_KEY" "Window Title" "per-user title not removed for Windows NT/XP"
expect_shown "$MAIN" "\" - Internet Explorer\""
screenshot main-window-default

if [[ -n ${MORVANE_WIN98:-} ]]; then
    click_control "$MAIN" "Help"
    wait_for_window "$HELP"
    locate "$HELP" | grep -q '^window .* ansi$' || fail "the help window is not an ANSI one"
    screenshot help-window-win98
    click_control "$HELP" "Connect"
    wait_for_opened 1
    press_keys alt+c
    wait_for_window_gone "$HELP"
fi

click_control "$MAIN" "Exit"
wait_for_program_end

if [[ -n ${MORVANE_WIN98:-} ]]; then
    calls=$(calls_from_program "$PROGRAM_LOG")
    grep -qx user32.CreateWindowExA <<<"$calls" || fail "the relay log shows none of its calls"
    # Its wide functions but those real on Windows 98 and ME, as the allow-list says.
    real=$(awk '$4 == "real" { sub(/\.dll$/, "", $1); print $1 "." $2 }' \
        "$here/../../app/imports/i686.txt")
    [[ -z $OTHER_VIEW_KEY ]] || real+=$'\nadvapi32.RegOpenKeyExW'
    stubs=$(grep 'W$' <<<"$calls" | grep -vxF "$real" || true)
    [[ -z $stubs ]] || fail "as Windows 98 it called the wide stubs $stubs"
fi
echo "e2e title change: passed"
