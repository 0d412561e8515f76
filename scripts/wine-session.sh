# Sourced by the test and benchmark commands: a private X display (Xvfb) and a private Wine
# prefix for this run, on a wineserver of its own; all of them go when the calling script ends.
# Needs $root, the project folder.

work=$(mktemp -d /tmp/morvane-session.XXXXXX)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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
# Start the desktop now, detached from the caller: the first window program would otherwise
# start it with the caller's output pipe, which a caller like ctest then waits on to close.
wine explorer /desktop=Default,1024x768 cmd /c exit </dev/null >/dev/null 2>&1

