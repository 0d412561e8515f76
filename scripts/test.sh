#!/usr/bin/env bash
# Builds both targets and runs every test: the unit and window tests under Wine, and the
# end-to-end tests that drive the real program on a private X display, in a private Wine
# prefix that this run creates and removes. Screenshots are kept in build/test-artifacts.
# Arguments go to ctest, e.g. "-R main_window" for some of the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

work=$(mktemp -d /tmp/morvane-test.XXXXXX)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export MORVANE_ARTIFACTS="$root/build/test-artifacts"
rm -rf "$MORVANE_ARTIFACTS"
xvfb_pid=""

cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to descriptor 3.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 display_number <"$work/display"
export DISPLAY=":$display_number"

echo "Preparing a Wine prefix in $WINEPREFIX on display $DISPLAY"
mkdir -p "$WINEPREFIX"
wineserver -p  # one server for the whole run: each test starts faster
wineboot -i >/dev/null 2>&1
"$root/scripts/prepare-prefix.sh"
# The window tests run in a virtual desktop too: without a window manager on the display, Wine
# would wait for one each time a window is shown or hidden.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# Settings above take effect for the processes of a fresh server.
wineserver -k
wineserver -w
wineserver -p
# Start the desktop now, detached from ctest: the first window program would otherwise start it
# with ctest's output pipe, which ctest then waits on after the tests end.
wine explorer /desktop=Default,1024x768 cmd /c exit </dev/null >/dev/null 2>&1

cd "$root/build/x86_64"
ctest --output-on-failure --timeout 120 "$@"
