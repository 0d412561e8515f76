#!/usr/bin/env bash
# Measures Morvane against the floor (a plain one-window program, built here) under Wine, in
# one run, on a private display and prefix: start-up time and memory (median of alternating
# runs), the time of a title change and of opening and closing help, and the program sizes.
# Prints a table and saves it as build/benchmark.md. Not part of the tests: timings vary.
#   benchmark.sh [RUNS]   (default 11)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-11}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" >/dev/null
out="$root/build/benchmark"
mkdir -p "$out"
compiler=x86_64-w64-mingw32-g++-posix
$compiler -std=c++17 -O2 -s -static -municode -mwindows "$root/benchmark/floor.cpp" -o "$out/floor.exe"
$compiler -std=c++17 -O2 -s -static -municode "$root/benchmark/measure.cpp" -o "$out/measure.exe" -lpsapi

source "$root/scripts/wine-session.sh"
program="$root/build/x86_64/morvane.exe"
measure() { wine "$out/measure.exe" "$@" 2>/dev/null | tr -d '\r'; }
median() { sort -n | awk '{ value[NR] = $1 } END { print value[int((NR + 1) / 2)] }'; }

: >"$out/floor.txt"
: >"$out/morvane.txt"
for run in $(seq 1 "$runs"); do
    measure start "$(winepath -w "$out/floor.exe")" Floor | paste -sd' ' >>"$out/floor.txt"
    measure start "$(winepath -w "$program")" "Change the name on Internet Explorer" |
        paste -sd' ' >>"$out/morvane.txt"
done
floor_start=$(cut -d' ' -f1 "$out/floor.txt" | median)
floor_memory=$(cut -d' ' -f2 "$out/floor.txt" | median)
start=$(cut -d' ' -f1 "$out/morvane.txt" | median)
memory=$(cut -d' ' -f2 "$out/morvane.txt" | median)
change=$(measure change "$(winepath -w "$program")" 500)
help=$(measure help "$(winepath -w "$program")" 50)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version) on Xvfb, $runs alternating runs:"
    echo
    echo "| What | Morvane | Floor | Ratio | Target |"
    echo "|---|---|---|---|---|"
    echo "| Start-up to a visible window (median) | $start ms | $floor_start ms | $(ratio "$start" "$floor_start") | 1.10 |"
    echo "| Working set 1 s after start (median) | $memory KiB | $floor_memory KiB | $(ratio "$memory" "$floor_memory") | 1.20 |"
    echo "| Change to Typed Message (mean of 500) | $change ms | | | under 2 ms |"
    echo "| Help window opened and closed (mean of 50) | $help ms | | | |"
    echo "| Program file, 64-bit | $(stat -c %s "$program") bytes | $(stat -c %s "$out/floor.exe") bytes | | |"
    echo "| Program file, 32-bit | $(stat -c %s "$root/build/i686/morvane.exe") bytes | | | |"
} | tee "$root/build/benchmark.md"
