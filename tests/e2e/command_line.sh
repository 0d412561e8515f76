#!/usr/bin/env bash
# The program run with switches: each case's exit code, words (UTF-8 in the file its output goes
# to) and the registry after it; from a batch file in cmd's console; /? with nowhere; as 98.
PROGRAM=$1
LOCATE=$2
here=$(dirname "$0")
source "$here/lib.sh"

machine_keys=("$MACHINE_KEY" ${OTHER_VIEW_KEY:+"$OTHER_VIEW_KEY"})
APP_KEY='HKCU\Software\Wine\AppDefaults\morvane.exe'
access() { for key in "${machine_keys[@]}"; do ask access "$key" "D:(A;;$1;;;WD)" >/dev/null; done }
finish() {
    access KA
    delete_value "$APP_KEY" Version
    kill $(program_pids "$PROGRAM .*") 2>/dev/null || true
    stop_program
}
trap finish EXIT
for key in "$USER_KEY" "${machine_keys[@]}"; do delete_value "$key" "Window Title"; done

# expect CODE LINE1 LINE2 SWITCHES...: the exit code and the words' first two lines.
expect() {
    local code=$1 first=$2 second=$3 status=0 && shift 3
    wine "$PROGRAM" "$@" >"$ARTIFACTS/output.txt" 2>/dev/null || status=$?
    mapfile -t words < <(tr -d '\r' <"$ARTIFACTS/output.txt")
    [[ $status == "$code" && ${words[0]:-} == "$first" && ${words[1]:-} == "$second" ]] ||
        fail "'$*' ended with $status, saying '${words[0]:-}' '${words[1]:-}'"
}

NOW="Your Internet Explorer will now read: " FAILED="Your Internet Explorer could not be changed: "
TITLE='Zoë'\''s "Café" C:\'  # quotes and backslashes, passed by the C runtime's rules
expect 0 "$NOW" "\" - $TITLE\"" /title "$TITLE"
expect_value "$USER_KEY" "Window Title" "$TITLE" "the user's title not written"
expect 1 "Changed, but your Windows NT/XP title comes first:" "\" - $TITLE\"" -TITLE Ours /Machine
for key in "${machine_keys[@]}"; do expect_value "$key" "Window Title" Ours "not in $key"; done
expect 0 "Your Internet Explorer reads your Windows NT/XP title:" "\" - $TITLE\"" /show
expect 1 "Changed, but the Windows 95/98 or ME/2000 title shows:" "\" - Ours\"" /default
expect 0 "Your Internet Explorer reads the Windows 95/98 or ME/2000 title:" "\" - Ours\"" /show
expect 0 "$NOW" "\" - Internet Explorer\"" /default /machine
expect 0 "Nothing to remove; your Internet Explorer reads:" "\" - Internet Explorer\"" \
    /DEFAULT -machine
expect 2 "$FAILED" "This system cannot store \"Α θ ή ν α\": leave them out." /title "Αθήνα"
for key in "${machine_keys[@]}"; do set_value "$key" "Window Title" Locked; done
access KR  # as a standard user: the machine's keys may be read, not written
expect 2 "$FAILED" "This needs an administrator, or choose Windows NT/XP." /title Mine /machine
expect 2 "$FAILED" "This needs an administrator." /default /machine
access KA
for key in "${machine_keys[@]}"; do expect_value "$key" "Window Title" Locked "$key changed"; done
if [[ -n $OTHER_VIEW_KEY ]]; then  # the 32-bit view refuses what the 64-bit one took
    ask access "$WOW64_MACHINE_KEY" "D:(A;;KR;;;WD)" >/dev/null
    expect 1 "Changed for 64-bit Internet Explorer only:" \
        "32-bit: access is denied; choose Windows NT/XP." /title Half /machine
    access KA
fi
for key in "${machine_keys[@]}"; do delete_value "$key" "Window Title"; done
expect 3 "/title needs the text to show after it." "" /title /machine
expect 3 "One action at a time: /title, /default, /show or /?." "" /show /default
expect 3 "Unknown switch: /titel" "" /titel Mine
USAGE="Morvane changes the text Internet Explorer shows after every page title."
expect 0 "$USAGE" "" /?
expect_no_value "$USER_KEY" "Window Title" "a refused or wrong command line changed the title"

printf '@"%s" /show\r\n@echo code %%errorlevel%%\r\n' "$(winepath -w "$PROGRAM")" \
    >"$ARTIFACTS/show.bat"
console=$(script -qec "wine cmd /c '$(winepath -w "$ARTIFACTS/show.bat")'" /dev/null </dev/null)
[[ $console == *"reads its own name:"*"code 0"* ]] || fail "cmd's console showed: $console"

start_program "$PROGRAM" /?
expect_shown "Morvane" "$USAGE"
screenshot usage-box "Morvane"
press_keys Return
wait_for_window_gone "Morvane"

set_value "$APP_KEY" Version win98  # the command line in the ANSI code page
expect 0 "$NOW" "\" - $TITLE\"" /title "$TITLE"
expect_value "$USER_KEY" "Window Title" "$TITLE" "the title not written as Windows 98"
echo "e2e command line: passed"
