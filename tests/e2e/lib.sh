# Helpers for the end-to-end tests: start the real program in a Wine virtual desktop on the
# test run's X display, find its windows, click and type as a person would, read the registry.
# Needs WINEPREFIX and DISPLAY from the test run; screenshots go to MORVANE_ARTIFACTS, into
# the folder MORVANE_SHOTS when that is set. MORVANE_WINDOWS (from tests/on_windows.sh) says
# which Windows the program runs on: x86_64 (the default) or wow64, both on 64-bit Windows, or
# i686, 32-bit Windows.

set -euo pipefail

WINDOWS=${MORVANE_WINDOWS:-x86_64}
E2E_DESKTOP=morvane-e2e
E2E_SIZE=800x600
ARTIFACTS=${MORVANE_ARTIFACTS:-/tmp/morvane-artifacts}${MORVANE_SHOTS:+/$MORVANE_SHOTS}
mkdir -p "$ARTIFACTS"

MAIN="Change the name on Internet Explorer"
HELP="Morvane Help"
USER_KEY='HKCU\Software\Microsoft\Internet Explorer\Main'

# The program's own registry view of the machine-wide key, and the other view of 64-bit Windows
# (32-bit Windows has one view). A 32-bit program on 64-bit Windows has the 32-bit view.
MACHINE_KEY='HKLM\Software\Microsoft\Internet Explorer\Main'
WOW64_MACHINE_KEY='HKLM\Software\Wow6432Node\Microsoft\Internet Explorer\Main'
case $WINDOWS in
    x86_64) OTHER_VIEW_KEY=$WOW64_MACHINE_KEY ;;
    wow64) OTHER_VIEW_KEY=$MACHINE_KEY MACHINE_KEY=$WOW64_MACHINE_KEY ;;
    i686) OTHER_VIEW_KEY="" ;;
esac

# A failure ends the test with a FAIL line and a screenshot, also from a subshell.
trap 'exit 1' USR1
trap 'fail "\"$BASH_COMMAND\" failed"' ERR
fail() {
    echo "FAIL: $*" >&2
    screenshot "failure-$(basename "$0" .sh)"
    [[ $BASHPID == "$$" ]] || kill -USR1 "$$"
    exit 1
}

# Runs the command until it succeeds, for up to a minute: a busy machine starts Wine slowly.
eventually() {
    local deadline=$((SECONDS + 60))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}
not() { ! "$@"; }


# Starts the program in the virtual desktop; sets PROGRAM_PID to the launcher's process. Wine's
# messages go to PROGRAM_LOG, when it is set.
start_program() {
    local exe=$1
    # A test stopped at its time limit leaves its program running: it would stand in the way.
    kill $(program_pids "$exe") 2>/dev/null || true
    wine explorer "/desktop=$E2E_DESKTOP,$E2E_SIZE" "$@" >/dev/null \
        2>"${PROGRAM_LOG:-/dev/null}" &
    PROGRAM_PID=$!
    desktop_window >/dev/null
}

# The X window that shows the whole Wine desktop.
desktop_window() { eventually desktop_id || fail "no Wine desktop window"; }
desktop_id() {
    xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" 2>/dev/null |
        awk 'NR == 1 { print } END { exit NR == 0 }'
}

# The helper in the test's Wine desktop that answers where windows are and what the registry
# holds (see locate.cpp): one process for the whole test, started with its first question; it
# ends when its folder goes, as the test does (watch_for_hang below removes it).
HELPER_DIR=$(mktemp -d /tmp/morvane-helper.XXXXXX)
ask() {
    if mkdir "$HELPER_DIR/started" 2>/dev/null; then
        wine explorer "/desktop=$E2E_DESKTOP,$E2E_SIZE" "$LOCATE" "Z:${HELPER_DIR//\//\\}" \
            </dev/null >/dev/null 2>&1 &
    fi
    rm -f "$HELPER_DIR/answer"
    printf '%s\n' "$@" >"$HELPER_DIR/question.partial"
    mv "$HELPER_DIR/question.partial" "$HELPER_DIR/question"
    local deadline=$((SECONDS + 60))
    until [[ -f $HELPER_DIR/answer ]]; do
        ((SECONDS < deadline)) || fail "the helper gave no answer to '$*' within a minute"
        sleep 0.02
    done
    tr -d '\r' <"$HELPER_DIR/answer"
}

# Where the window with this caption and its controls are, waiting up to five seconds for it;
# only "end" when the window is not there.
locate() { ask locate "$1" 5000; }

# The centre of the control showing this text in the window with that caption: "x y".
# A text of the form "Class:" names the first control of that window class instead.
control_centre() {
    local caption=$1 text=$2
    locate "$caption" | awk -v text="$text" '$1 == "control" {
        line = $0; sub(/^control [-0-9]+ [-0-9]+ [^ ]+ ?/, "", line)
        if (line == text || $4 ":" == text) { print $2, $3; exit }
    }'
}

window_shown() { ask locate "$1" 0 | grep -q '^window '; }

wait_for_window() { eventually window_shown "$1" || fail "window '$1' never appeared"; }

click_at() {
    local desktop
    desktop=$(desktop_window)
    xdotool mousemove --window "$desktop" "$1" "$2" click 1
    sleep 0.5
}

click_control() {
    local centre
    centre=$(control_centre "$1" "$2")
    [[ -n "$centre" ]] || fail "no control '$2' in '$1'"
    # shellcheck disable=SC2086
    click_at $centre
}

# xdotool reads the text in its own locale's encoding: UTF-8, whatever locale the program has.
# Types into the main window's focused text box. On a busy machine a character that xdotool
# must first map onto a spare key now and then never reaches Wine, so the box is read back and,
# where the text is not all there within five seconds, typed again, more slowly, over what
# arrived.
type_text() {
    local attempt wait
    for attempt in 1 2 3 4; do
        LC_ALL=C.UTF-8 xdotool type --delay $((40 * attempt)) -- "$1"
        for ((wait = 0; wait < 25; ++wait)); do
            [[ "$(locate "$MAIN" | sed -n 's/^focus [-0-9]* [-0-9]* Edit //p')" == "$1" ]] &&
                return 0
            sleep 0.2
        done
        xdotool key Home shift+End
    done
    fail "'$1' did not arrive whole in the text box"
}

press_keys() {
    xdotool key "$@"
    sleep 0.5
}

# The string value's data exactly as the registry's 64-bit view holds it; fails when there is
# no such value.
registry_value() {
    local answer
    answer=$(ask query "$1" "$2")
    [[ $answer == value$'\n'* ]] || return 1
    printf '%s\n' "${answer#value$'\n'}"
}

expect_no_value() {
    eventually not registry_value "$1" "$2" >/dev/null ||
        fail "$3 (found '$(registry_value "$1" "$2")')"
}

# Whether a control of the window shows this text (or, for a text of more than one line, this
# line of it).
shows() {
    locate "$1" | awk -v text="$2" '$0 == text ||
        substr($0, length($0) - length(text)) == " " text { found = 1 } END { exit !found }'
}
expect_shown() { eventually shows "$1" "$2" || fail "'$1' does not show '$2'"; }

delete_value() { ask delete "$1" "$2" >/dev/null; }

set_value() { [[ $(ask set "$1" "$2" "$3") == done ]] || fail "'$2' not set under $1"; }

# The whole screen; or, given a caption, that window alone, as the README shows it.
screenshot() {
    local l t r b window=root crop=()
    [[ -n ${2:-} ]] && read -r l t r b <<<"$(window_rect "$2")" && window=$(desktop_window) &&
        crop=(-crop "$((r - l))x$((b - t))+$l+$t" +repage)
    import -window "$window" "${crop[@]}" "$ARTIFACTS/$1.png" 2>/dev/null || true
}

# The processes that run the program in this test's Wine prefix: other tests may run it side
# by side in theirs.
program_pids() {
    local pid
    for pid in $(pgrep -fx "$1"); do
        grep -qxz "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && echo "$pid"
    done
    return 0
}
program_running() { [[ -n $(program_pids "$PROGRAM") ]]; }

wait_for_program_end() { eventually not program_running || fail "the program is still running"; }

# The helper goes too, and the desktop with it: one whose maker (the launcher) was killed while
# the helper still ran in it never shows a window again. The next question starts a new helper.
stop_program() {
    kill $(program_pids "$PROGRAM") 2>/dev/null || true
    kill "$PROGRAM_PID" 2>/dev/null || true  # the launcher, which may keep the desktop
    wait "$PROGRAM_PID" 2>/dev/null || true
    rm -rf "$HELPER_DIR"
    eventually not pgrep -f "${HELPER_DIR##*/}" >/dev/null || fail "the helper did not end"
    eventually not desktop_id || fail "the Wine desktop did not close"
    mkdir -p "$HELPER_DIR"
}

# Whether the button showing this text (25 pixels high at 96 dpi) looks themed, its top and
# bottom edge the same grey, or classic, its bevel light above and dark below.
looks() {
    local x y
    read -r x y <<<"$(control_centre "$1" "$2")"
    import -window "$(desktop_window)" -crop "1x25+$x+$((y - 12))" -depth 8 txt:- |
        awk -F'[(,)]' -v look="$3" '!/^#/ { v[n++] = ($3 + $4 + $5) / 3 } END { d = v[0] - v[n - 1]
            exit !(n == 25 && (look == "themed" ? d * d < 1600 : d >= 100)) }'
}
expect_look() { eventually looks "$@" || fail "'$2' does not look $3"; }

# The window's rectangle on the screen: "left top right bottom".
window_rect() { locate "$1" | awk '$1 == "window" { print $2, $3, $4, $5; exit }'; }

# Clicks the close box at the right end of the window's title bar.
click_close_box() {
    local left top right bottom
    read -r left top right bottom <<<"$(window_rect "$1")"
    [[ -n "$right" ]] || fail "no window '$1' to close"
    click_at $((right - 13)) $((top + 12))
}

wait_for_window_gone() { eventually not window_shown "$1" || fail "window '$1' is still open"; }

# The program handles a click a moment after xdotool has sent it.
value_is() { [[ "$(registry_value "$1" "$2")" == "$3" ]]; }
expect_value() {
    eventually value_is "$1" "$2" "$3" || fail "$4 (found '$(registry_value "$1" "$2")')"
}

# Has Wine's browser record each address it is asked to open, a line each, in BROWSER_LOG;
# forget_browser puts Wine's own back.
record_browser() {
    BROWSER_DIR=$(mktemp -d /tmp/morvane-browser.XXXXXX)
    BROWSER_LOG="$BROWSER_DIR/opened.txt"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$BROWSER_LOG" >"$BROWSER_DIR/browser.sh"
    chmod +x "$BROWSER_DIR/browser.sh"
    set_value 'HKCU\Software\Wine\WineBrowser' Browsers "$BROWSER_DIR/browser.sh"
}

forget_browser() {
    delete_value 'HKCU\Software\Wine\WineBrowser' Browsers
    rm -rf "$BROWSER_DIR"
}

opened() { [[ -f "$BROWSER_LOG" && $(wc -l <"$BROWSER_LOG") -ge $1 ]]; }
wait_for_opened() {
    eventually opened "$1" ||
        fail "the browser was asked to open $(cat "$BROWSER_LOG" 2>/dev/null | wc -l) sites, not $1"
}

# A test that hangs says where (its last steps traced), before ctest's limit (300 s) ends it;
# the watch holds no output of its own, which ctest would wait for to close.
watch_for_hang() {
    for ((s = 0; s < 1350; ++s)); do kill -0 "$1" 2>/dev/null && sleep 0.2 || break; done
    if kill -0 "$1" 2>/dev/null; then
        echo "FAIL: still running after 270 s, at: $(tail -n 3 "$ARTIFACTS/trace.log")" >"/proc/$1/fd/2"
        screenshot "failure-$(basename "$0" .sh)"
    fi
    rm -rf "$HELPER_DIR"
}
watch_for_hang $$ </dev/null >/dev/null 2>&1 &
exec {BASH_XTRACEFD}>"$ARTIFACTS/trace.log"
set -x
