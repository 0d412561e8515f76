# Sourced by the test and benchmark commands: a private X display (Xvfb) and two private Wine
# prefixes for this run, each on a wineserver of its own: 64-bit Windows in WINEPREFIX and
# 32-bit Windows, as Windows XP, in MORVANE_PREFIX32. Where this machine cannot run 32-bit
# programs (as wine-loader.sh finds out) there is no 32-bit prefix, and MORVANE_NO_32BIT says
# why. With MORVANE_LANES above 1, as many lanes for tests that run side by side: lane 0 is the
# above, each other one a display and copies of the prefixes of its own, in
# $MORVANE_SESSION/lane<N>, listed for ctest in MORVANE_LANES_FILE (tests/on_windows.sh puts a
# test in the lane ctest gives it). All of them go when the calling script ends. Needs $root,
# the project folder.

work=$(mktemp -d /tmp/morvane-session.XXXXXX)
export MORVANE_SESSION=$work MORVANE_LANES=${MORVANE_LANES:-1}
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export MORVANE_PREFIX32="$work/prefix32"
xvfb_pids=()

cleanup() {
    local prefix
    for prefix in "$work"/prefix* "$work"/lane*/prefix*; do
        [[ -d $prefix ]] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    done
    [[ ${#xvfb_pids[@]} -eq 0 ]] || kill "${xvfb_pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

source "$root/scripts/steps.sh"
source "$root/scripts/wine-loader.sh"
[[ -z $MORVANE_NO_32BIT ]] || echo "The 32-bit tests will be skipped: $MORVANE_NO_32BIT."

# An X display of its own for the folder given: Xvfb picks a free number and writes it to
# descriptor 3; the folder's file "display" keeps it.
start_display() {
    local number
    mkfifo "$1/display.fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display.fifo" >/dev/null 2>&1 &
    xvfb_pids+=($!)
    read -r -t 30 number <"$1/display.fifo"
    echo ":$number" >"$1/display"
}
start_display "$work"
DISPLAY=$(<"$work/display")
export DISPLAY
export MORVANE_LANES_FILE="$work/lanes.json"
lanes='{"id": "0", "slots": 1}'
for ((lane = 1; lane < MORVANE_LANES; ++lane)); do
    mkdir "$work/lane$lane"
    start_display "$work/lane$lane"
    lanes+=", {\"id\": \"$lane\", \"slots\": 1}"
done
echo "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"lanes\": [$lanes]}]}" \
    >"$MORVANE_LANES_FILE"

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
    # Settings above take effect for the processes of a fresh server; the other lanes' prefixes
    # are copies of this one, made while no server runs it.
    wineserver -k
    wineserver -w
    local lane copy
    for ((lane = 1; lane < MORVANE_LANES; ++lane)); do
        copy="$work/lane$lane/${WINEPREFIX##*/}"
        cp -a "$WINEPREFIX" "$copy"
        (export WINEPREFIX=$copy DISPLAY=$(<"$work/lane$lane/display") && start_server)
    done
    start_server
}

# Starts the prefix's server for the whole run, and its desktop, detached from the caller: the
# first window program would otherwise start it with the caller's output pipe, which a caller
# like ctest then waits on to close. On a busy machine Wine now and then never starts the
# desktop's program; the server is then started afresh and the desktop tried again.
start_server() {
    local attempt
    for attempt in 1 2 3; do
        wineserver -p
        timeout 60 wine explorer /desktop=Default,1024x768 cmd /c exit </dev/null >/dev/null 2>&1 &&
            return 0
        echo "Wine's desktop did not start in $WINEPREFIX (try $attempt of 3)" >&2
        wineserver -k
        wineserver -w
    done
    return 1
}
prepare_prefix
if [[ -z $MORVANE_NO_32BIT ]]; then
    (export WINEPREFIX="$MORVANE_PREFIX32" WINEARCH=win32 && prepare_prefix)
fi
