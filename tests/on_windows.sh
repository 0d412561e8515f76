#!/usr/bin/env bash
# Runs one test command on one kind of Windows that the test run provides
# (scripts/wine-session.sh):
#   i686    32-bit Windows, as Windows XP: the run's 32-bit Wine prefix
#   wow64   the 32-bit program on 64-bit Windows: the run's own, 64-bit prefix
# Both need a kernel that runs 32-bit programs; where it cannot, the test is skipped (77).
#   on_windows.sh KIND COMMAND...
set -euo pipefail
export MORVANE_WINDOWS=$1
shift
if [[ -n ${MORVANE_NO_32BIT:-} ]]; then
    echo "Skipped: $MORVANE_NO_32BIT"
    exit 77
fi
if [[ $MORVANE_WINDOWS == i686 ]]; then
    export WINEPREFIX=$MORVANE_PREFIX32 WINEARCH=win32
fi
exec "$@"
