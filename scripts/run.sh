#!/usr/bin/env bash
# Builds the two programs (incrementally: quick when nothing has changed; never the tests) and
# starts the 64-bit one, build/x86_64/morvane.exe, under Wine, in your own Wine prefix
# (WINEPREFIX, or ~/.wine), which is where a browser running in that prefix reads its settings.
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/steps.sh"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" programs

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [[ -z "${DISPLAY:-}" ]]; then
    echo "No X display: run this from a desktop session (or set DISPLAY)." >&2
    exit 1
fi
source "$root/scripts/wine-loader.sh"
if [[ -n $MORVANE_NO_32BIT ]]; then
    echo "Starting the 64-bit Morvane on 64-bit Wine alone: $MORVANE_NO_32BIT."
fi
if [[ ! -d "$WINEPREFIX" ]]; then
    quiet wineboot -i
fi
"$root/scripts/prepare-prefix.sh"
exec wine "$root/build/x86_64/morvane.exe"
