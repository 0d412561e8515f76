#!/usr/bin/env bash
# Runs one test command on one kind of Windows that the test run provides
# (scripts/wine-session.sh):
#   x86_64  64-bit Windows: the run's own, 64-bit prefix
#   i686    32-bit Windows, as Windows XP: the run's 32-bit Wine prefix
#   wow64   the 32-bit program on 64-bit Windows: the run's own, 64-bit prefix
# in the lane that ctest gave the test (its own display and prefixes, while other tests run side
# by side in theirs), or lane 0 when ctest gave none. The 32-bit kinds need a kernel that runs
# 32-bit programs; where it cannot, the test is skipped (77).
#   on_windows.sh KIND COMMAND...
set -euo pipefail
export MORVANE_WINDOWS=$1
shift
if [[ $MORVANE_WINDOWS != x86_64 && -n ${MORVANE_NO_32BIT:-} ]]; then
    echo "Skipped: $MORVANE_NO_32BIT"
    exit 77
fi
lane=${CTEST_RESOURCE_GROUP_0_LANES:-id:0}
lane=${lane#id:}
lane=${lane%%,*}
if [[ $lane != 0 ]]; then
    DISPLAY=$(<"$MORVANE_SESSION/lane$lane/display")
    export DISPLAY WINEPREFIX="$MORVANE_SESSION/lane$lane/prefix"
    export MORVANE_PREFIX32="$MORVANE_SESSION/lane$lane/prefix32"
fi
if [[ $MORVANE_WINDOWS == i686 ]]; then
    export WINEPREFIX=$MORVANE_PREFIX32 WINEARCH=win32
fi
exec "$@"
