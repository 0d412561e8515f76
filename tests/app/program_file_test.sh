#!/usr/bin/env bash
# Checks a built morvane.exe as a file: it imports exactly the functions its allow-list names
# (a new dependency is always a deliberate change to that list), never wininet.dll or
# shell32.dll (bound at run time), is marked for its oldest Windows (the 32-bit build for
# Windows 2000, 5.0, the 64-bit one for 5.01), imports nothing that Windows lacks (the loader
# would refuse to start it there), carries no link time stamp, and the 32-bit build stays
# within 256 KiB. Each line of the allow-list is "DLL FUNCTION VERSION", VERSION being the
# oldest Windows that has the function: 5.0 Windows 2000, 5.1 XP, 5.2 XP x64 and Server 2003,
# 6.0 Vista.
#   program_file_test.sh OBJDUMP EXE ALLOWED-IMPORTS ARCH
set -euo pipefail
objdump=$1
exe=$2
allowed=$3
arch=$4
here=$(dirname "$0")

fail() { echo "FAIL: $*" >&2; exit 1; }

actual=$(bash "$here/list_imports.sh" "$objdump" "$exe")
if ! diff <(cut -d' ' -f1,2 "$allowed") <(echo "$actual") >/dev/null; then
    diff <(cut -d' ' -f1,2 "$allowed") <(echo "$actual") >&2 || true
    fail "imports differ from $allowed (lines with > are new)"
fi
grep -qiE '^(wininet|shell32)\.dll ' <<<"$actual" && fail "wininet.dll or shell32.dll is linked"

headers=$("$objdump" -p "$exe")
minor=1
[[ $arch == i686 ]] && minor=0
for field in SubsystemVersion OSystemVersion; do
    grep -qE "^Major$field[[:space:]]+5\$" <<<"$headers" || fail "$field is not 5.$minor"
    grep -qE "^Minor$field[[:space:]]+$minor\$" <<<"$headers" || fail "$field is not 5.$minor"
done
# The oldest Windows it starts on, as a number (5.1 is 501): the higher of the versions it is
# marked for, and for a 64-bit program at least 5.2, the first x64 Windows.
oldest=$(awk -v arch="$arch" '
    /^MajorOSystemVersion/ { os += 100 * $2 }   /^MinorOSystemVersion/ { os += $2 }
    /^MajorSubsystemVersion/ { ss += 100 * $2 } /^MinorSubsystemVersion/ { ss += $2 }
    END { v = os > ss ? os : ss; if (arch == "x86_64" && v < 502) v = 502; print v }' <<<"$headers")
newer=$(awk -v oldest="$oldest" 'split($3, v, ".") != 2 || 100 * v[1] + v[2] > oldest' "$allowed")
[[ -z $newer ]] || fail "imports with no version, or newer than Windows $((oldest / 100)).$((oldest % 100)):
$newer"
grep -qE '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$' <<<"$headers" || fail "the link time stamp is set"

size=$(stat -c %s "$exe")
if [[ $arch == i686 && $size -gt 262144 ]]; then
    fail "the 32-bit program file is $size bytes, over 256 KiB"
fi
echo "program file ($arch, $size bytes): passed"
