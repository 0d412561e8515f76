#!/usr/bin/env bash
# Checks a built morvane.exe as a file: it imports exactly the functions its allow-list names
# (a new dependency is always a deliberate change to that list), never wininet.dll or
# shell32.dll (bound at run time), is marked for its oldest Windows (the 32-bit build for
# Windows 2000, 5.0, the 64-bit one for 5.01), carries no link time stamp, and the 32-bit build
# stays within 256 KiB.
#   program_file_test.sh OBJDUMP EXE ALLOWED-IMPORTS ARCH
set -euo pipefail
objdump=$1
exe=$2
allowed=$3
arch=$4
here=$(dirname "$0")

fail() { echo "FAIL: $*" >&2; exit 1; }

actual=$(bash "$here/list_imports.sh" "$objdump" "$exe")
if ! diff <(cat "$allowed") <(echo "$actual") >/dev/null; then
    diff <(cat "$allowed") <(echo "$actual") >&2 || true
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
grep -qE '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$' <<<"$headers" || fail "the link time stamp is set"

size=$(stat -c %s "$exe")
if [[ $arch == i686 && $size -gt 262144 ]]; then
    fail "the 32-bit program file is $size bytes, over 256 KiB"
fi
echo "program file ($arch, $size bytes): passed"
