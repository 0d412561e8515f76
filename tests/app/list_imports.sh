#!/usr/bin/env bash
# Prints the DLL functions a Windows program file imports, one "dll function" a line, sorted.
set -euo pipefail
objdump=$1
exe=$2
"$objdump" -p "$exe" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }' | sort
