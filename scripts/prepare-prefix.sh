#!/usr/bin/env bash
# Gives the Wine prefix in WINEPREFIX the fonts a Windows desktop has: Marlett for the title-bar
# buttons, and Liberation Sans (metrically the same) wherever Arial is asked for.
source "$(dirname "$0")/steps.sh"

fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [[ -f /usr/share/wine/fonts/marlett.ttf && ! -f "$fonts/marlett.ttf" ]]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
quiet wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f
