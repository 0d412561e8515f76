#!/usr/bin/env bash
# Builds Morvane if needed and starts it under Wine, in your own Wine prefix (WINEPREFIX, or
# ~/.wine), which is where a browser running in that prefix reads its settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
[[ -f "$root/build/x86_64/morvane.exe" ]] || "$root/scripts/build.sh"

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [[ -z "${DISPLAY:-}" ]]; then
    echo "No X display: run this from a desktop session (or set DISPLAY)." >&2
    exit 1
fi
[[ -d "$WINEPREFIX" ]] || wineboot -i >/dev/null 2>&1
"$root/scripts/prepare-prefix.sh"
exec wine "$root/build/x86_64/morvane.exe"
