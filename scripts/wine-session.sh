# Sourced by the test and benchmark commands: a private X display (Xvfb) and two private Wine
# prefixes for this run, each on a wineserver of its own: 64-bit Windows in WINEPREFIX and
# 32-bit Windows, as Windows XP, in MORVANE_PREFIX32. Where this machine cannot run 32-bit
# programs (as wine-loader.sh finds out) there is no 32-bit prefix, and MORVANE_NO_32BIT says
# why. All of them go when the calling script ends. Needs $root, the project folder.

work=$(mktemp -d /tmp/morvane-session.XXXXXX)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export MORVANE_PREFIX32="$work/prefix32"
xvfb_pid=""

cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -d "$MORVANE_PREFIX32" ]] && WINEPREFIX="$MORVANE_PREFIX32" wineserver -k 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

source "$root/scripts/steps.sh"
source "$root/scripts/wine-loader.sh"
[[ -z $MORVANE_NO_32BIT ]] || echo "The 32-bit tests will be skipped: $MORVANE_NO_32BIT."

# Xvfb picks a free display number and writes it to descriptor 3.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 display_number <"$work/display"
export DISPLAY=":$display_number"

# Makes the prefix in WINEPREFIX, of WINEARCH, and leaves its server running for the whole
# run: each test starts faster.
prepare_prefix() {
    echo "Preparing a Wine prefix ($WINEARCH) in $WINEPREFIX on display $DISPLAY"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    quiet wineboot -i
    # 32-bit Windows as Windows XP (Service Pack 3): the oldest NT that the 32-bit program is for.
    [[ $WINEARCH != win32 ]] || quiet winecfg -v winxp
    "$root/scripts/prepare-prefix.sh"
    # The window tests run in a virtual desktop too: without a window manager on the display,
    # Wine would wait for one each time a window is shown or hidden.
    quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    # Settings above take effect for the processes of a fresh server.
    wineserver -k
    wineserver -w
    wineserver -p
    # Start the desktop now, detached from the caller: the first window program would otherwise
    # start it with the caller's output pipe, which a caller like ctest then waits on to close.
    wine explorer /desktop=Default,1024x768 cmd /c exit </dev/null >/dev/null 2>&1
}
prepare_prefix
if [[ -z $MORVANE_NO_32BIT ]]; then
    (export WINEPREFIX="$MORVANE_PREFIX32" WINEARCH=win32 && prepare_prefix)
fi
