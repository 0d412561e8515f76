#!/usr/bin/env bash
# Makes this machine, for this test alone, one that cannot run 32-bit programs: in a private
# mount namespace, 32-bit Wine's loader and server are covered with a file whose ELF header is
# for another machine (ARM64), which the kernel refuses with "Exec format error", just as a
# kernel without 32-bit support refuses them. There it sets up the test session, runs the 64-bit
# title-change test, and starts run.sh in a fresh Wine prefix and HOME until the main window
# shows. Skipped (77) where a private mount namespace is not permitted.
#   without_32bit.sh SOURCE-ROOT PROGRAM LOCATE
set -euo pipefail
root=$1
program=$2
locate=$3

if [[ -z ${MORVANE_NAMESPACE:-} ]]; then
    if ! refusal=$(unshare --mount true 2>&1); then
        echo "Skipped: a private mount namespace is not permitted here (unshare --mount: $refusal)"
        exit 77
    fi
    MORVANE_NAMESPACE=1 exec unshare --mount bash "$0" "$@"
fi

foreign=$(mktemp)
{ printf '\177ELF\2\1\1'; head -c 9 /dev/zero; printf '\2\0\267\0\1\0\0\0'; head -c 40 /dev/zero; } >"$foreign"
chmod +x "$foreign"
for file in wine wine-preloader wineserver32; do
    if [[ -e /usr/lib/wine/$file ]] && ! refusal=$(mount --bind "$foreign" "/usr/lib/wine/$file" 2>&1); then
        echo "Skipped: /usr/lib/wine/$file cannot be covered here (mount --bind: $refusal)"
        exit 77
    fi
done
rm "$foreign"

unset WINEPREFIX MORVANE_PREFIX32 MORVANE_NO_32BIT MORVANE_LANES
export MORVANE_SHOTS=without_32bit
source "$root/scripts/wine-session.sh"
source "$root/tests/e2e/lib.sh"
home=$work/home
trap 'WINEPREFIX="$home/.wine" wineserver -k 2>/dev/null || true; cleanup' EXIT
# Where 32-bit Wine could not be installed at all, the machine is one without it already.
expected="this machine's kernel cannot run 32-bit programs"
[[ -e /usr/lib/wine/wine ]] || expected="32-bit Wine (wine32:i386) is not installed"
[[ $MORVANE_NO_32BIT == "$expected" ]] ||
    fail "the session found '$MORVANE_NO_32BIT', not '$expected'"

bash "$root/tests/e2e/title_change.sh" "$program" "$locate"

mkdir "$home"
(unset WINEPREFIX WINEARCH && HOME=$home exec bash "$root/scripts/run.sh") >"$home/run.log" 2>&1 &
run_pid=$!
# A fresh prefix takes a while; the whole test stays within four minutes.
until xdotool search --name "^$MAIN\$" >/dev/null 2>&1; do
    kill -0 "$run_pid" 2>/dev/null || { cat "$home/run.log" >&2; fail "run.sh ended without the main window"; }
    [[ $SECONDS -lt 240 ]] || { cat "$home/run.log" >&2; fail "run.sh showed no main window"; }
    sleep 0.5
done
screenshot run-main-window
grep -qx "Starting the 64-bit Morvane on 64-bit Wine alone: $MORVANE_NO_32BIT." "$home/run.log" ||
    { cat "$home/run.log" >&2; fail "run.sh did not say why it runs on 64-bit Wine alone"; }
echo "without 32-bit programs: session, 64-bit title change and run.sh's main window: passed"
