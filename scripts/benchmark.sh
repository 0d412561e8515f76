#!/usr/bin/env bash
# Measures Morvane against the floor (a plain one-window program, built here) under Wine, in
# one run, on a private display and prefixes: the 64-bit build on 64-bit Windows and the 32-bit
# build on 32-bit Windows, each against a floor built for its own target: start-up time and
# memory (median of alternating runs), the time of a title change and of opening and closing
# help, and the program sizes. Prints a table and saves it as build/benchmark.md. Not part of
# the tests: timings vary.
#   benchmark.sh [RUNS]   (default 11)
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/steps.sh"
runs=${1:-11}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" programs >/dev/null
source "$root/scripts/wine-session.sh"
median() { sort -n | awk '{ value[NR] = $1 } END { print value[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# benchmark ARCH COMPILER NAME: measures build/ARCH/morvane.exe in the Wine prefix of
# WINEPREFIX against a floor that COMPILER builds, and prints the table rows for NAME.
benchmark() {
    local arch=$1 compiler=$2 name=$3
    local out="$root/build/benchmark/$arch" program="$root/build/$arch/morvane.exe"
    mkdir -p "$out"
    $compiler -std=c++17 -O2 -s -static -municode -mwindows "$root/benchmark/floor.cpp" \
        -o "$out/floor.exe"
    $compiler -std=c++17 -O2 -s -static -municode "$root/benchmark/measure.cpp" \
        -o "$out/measure.exe" -lpsapi
    measure() { wine "$out/measure.exe" "$@" 2>/dev/null | tr -d '\r'; }

    : >"$out/floor.txt"
    : >"$out/morvane.txt"
    for run in $(seq 1 "$runs"); do
        measure start "$(winepath -w "$out/floor.exe")" Floor | paste -sd' ' >>"$out/floor.txt"
        measure start "$(winepath -w "$program")" "Change the name on Internet Explorer" |
            paste -sd' ' >>"$out/morvane.txt"
    done
    local floor_start floor_memory start memory
    floor_start=$(cut -d' ' -f1 "$out/floor.txt" | median)
    floor_memory=$(cut -d' ' -f2 "$out/floor.txt" | median)
    start=$(cut -d' ' -f1 "$out/morvane.txt" | median)
    memory=$(cut -d' ' -f2 "$out/morvane.txt" | median)
    echo "| $name: start-up to a visible window (median) | $start ms | $floor_start ms | $(ratio "$start" "$floor_start") | 1.10 |"
    echo "| $name: working set 1 s after start (median) | $memory KiB | $floor_memory KiB | $(ratio "$memory" "$floor_memory") | 1.20 |"
    echo "| $name: Change to Typed Message (mean of 500) | $(measure change "$(winepath -w "$program")" 500) ms | | | under 2 ms |"
    echo "| $name: help window opened and closed (mean of 50) | $(measure help "$(winepath -w "$program")" 50) ms | | | |"
    echo "| $name: program file | $(stat -c %s "$program") bytes | $(stat -c %s "$out/floor.exe") bytes | | |"
}

{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version) on Xvfb, $runs alternating runs:"
    echo
    echo "| What | Morvane | Floor | Ratio | Target |"
    echo "|---|---|---|---|---|"
    benchmark x86_64 x86_64-w64-mingw32-g++-win32 "64-bit"
    if [[ -z $MORVANE_NO_32BIT ]]; then
        (export WINEPREFIX="$MORVANE_PREFIX32" WINEARCH=win32 &&
            benchmark i686 i686-w64-mingw32-g++-win32 "32-bit")
    else
        echo "| 32-bit: not measured, $MORVANE_NO_32BIT | | | | |"
    fi
} | tee "$root/build/benchmark.md"
