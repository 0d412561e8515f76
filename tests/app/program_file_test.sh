#!/usr/bin/env bash
# Checks a built morvane.exe as a file: it imports exactly the functions its allow-list names
# (a new dependency is always a deliberate change to that list), never wininet.dll or
# shell32.dll (bound at run time), is marked for its oldest Windows (the 32-bit build for 4.0,
# which the loader of Windows 95, 98 and ME takes, the 64-bit one for XP, 5.01), imports nothing
# that Windows lacks (the loader would refuse to start it there), carries no link time stamp,
# and stays within its size: 176 KiB for the 32-bit build, 136 KiB for the 64-bit one. Each line of the allow-list is "DLL FUNCTION
# VERSION", VERSION being the oldest NT Windows that has the function: 5.0 Windows 2000, 5.1 XP,
# 5.2 XP x64 and Server 2003, 6.0 Vista; the 32-bit list adds what Windows 98 and ME have of it:
# "real", "stub" (a wide function that fails there, which the program calls on the NT family
# alone; the runtime's CreateSemaphoreW only when two threads contend) or "absent", which fails
# the test.
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
major=5 minor=1
[[ $arch == i686 ]] && major=4 minor=0
for field in SubsystemVersion OSystemVersion; do
    grep -qE "^Major$field[[:space:]]+$major\$" <<<"$headers" || fail "$field is not $major.$minor"
    grep -qE "^Minor$field[[:space:]]+$minor\$" <<<"$headers" || fail "$field is not $major.$minor"
done
# The oldest NT Windows it starts on, as a number (5.1 is 501): the higher of the versions it is
# marked for, and for a 64-bit program at least 5.2, the first x64 Windows; the 32-bit program
# is for Windows 2000 (5.0) and later, and for 98 and ME where they have each function.
oldest=$(awk -v arch="$arch" '
    /^MajorOSystemVersion/ { os += 100 * $2 }   /^MinorOSystemVersion/ { os += $2 }
    /^MajorSubsystemVersion/ { ss += 100 * $2 } /^MinorSubsystemVersion/ { ss += $2 }
    END { v = os > ss ? os : ss; if (arch == "x86_64" && v < 502) v = 502
          if (arch == "i686") v = 500; print v }' <<<"$headers")
newer=$(awk -v oldest="$oldest" 'split($3, v, ".") != 2 || 100 * v[1] + v[2] > oldest' "$allowed")
[[ -z $newer ]] || fail "imports with no version, or newer than Windows $((oldest / 100)).$((oldest % 100)):
$newer"
if [[ $arch == i686 ]]; then
    not9x=$(awk '$4 != "real" && $4 != "stub"' "$allowed")
    [[ -z $not9x ]] || fail "imports that Windows 98 and ME lack, or not said:
$not9x"
fi
grep -qE '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$' <<<"$headers" || fail "the link time stamp is set"

size=$(stat -c %s "$exe")
limit=$(( $([[ $arch == i686 ]] && echo 176 || echo 136) * 1024 ))
[[ $size -le $limit ]] || fail "the program file is $size bytes, $((size - limit)) over $limit"
echo "program file ($arch, $size bytes): passed"
