#!/usr/bin/env bash
# Signs the packages with a throwaway code-signing certificate and checks that both programs
# verify against it, naming Morvane and its web address, that a changed byte breaks that, that
# the signed programs' version resource and manifest still read back and they start under Wine;
# and that a wrong password or a missing PFX stop package.sh with a clear message and no
# packages left. The password is never printed nor on osslsigncode's command line.
#   signed_test.sh SOURCE-ROOT BUILD-ROOT APP-TESTS LOCATE
# Exits 77 (skipped) when all else passed but the test run found that this machine cannot run
# 32-bit Wine (MORVANE_NO_32BIT), so the 32-bit program was not started.
set -euo pipefail
source_root=$1
build_root=$2
app_tests=$3
LOCATE=$4
source "$source_root/tests/e2e/lib.sh"
unset MORVANE_SIGN_PFX MORVANE_SIGN_PASSWORD MORVANE_SIGN_TIMESTAMP

PASSWORD="t3st \$ecret 'pass' \"word\""
work=$(mktemp -d /tmp/morvane-signed.XXXXXX)
trap 'if [[ -n ${PROGRAM:-} ]]; then stop_program; fi; rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Morvane test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/signer.key" -out "$work/signer.pem" 2>/dev/null
MORVANE_SIGN_PASSWORD=$PASSWORD openssl pkcs12 -export -inkey "$work/signer.key" \
    -in "$work/signer.pem" -out "$work/signer.pfx" -passout env:MORVANE_SIGN_PASSWORD

# package.sh finds osslsigncode behind a stand-in that records its command lines.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$*" >>%q\nexec %q "$@"\n' "$work/command-lines.txt" \
    "$(command -v osslsigncode)" >"$work/bin/osslsigncode"
chmod +x "$work/bin/osslsigncode"

# Runs package.sh into OUT-DIR with these variables set, its output in OUT-DIR.log; the output
# must not show the password.
package() {
    local out=$1 status=0
    shift
    (export PATH="$work/bin:$PATH" "$@" && bash "$source_root/scripts/package.sh" \
        "$build_root" "$out" >"$out.log" 2>&1) || status=$?
    grep -qF -- "$PASSWORD" "$out.log" && fail "package.sh showed the password"
    return $status
}

package "$work/dist" MORVANE_SIGN_PFX="$work/signer.pfx" MORVANE_SIGN_PASSWORD="$PASSWORD" ||
    { cat "$work/dist.log" >&2; fail "signed packaging failed"; }
(cd "$work/dist" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not match"

skipped=""
# Where the 32-bit program cannot start, the 64-bit one is checked twice, so that every machine
# starts a program again after one was stopped.
for pair in win32:i686 win64:x86_64 ${MORVANE_NO_32BIT:+win64:x86_64}; do
    name=${pair%%:*}
    arch=${pair#*:}
    python3 -m zipfile -e "$work/dist/morvane-1.0.0-$name.zip" "$work/$name"
    exe=$work/$name/morvane.exe
    osslsigncode verify -CAfile "$work/signer.pem" -in "$exe" >"$work/verify.txt" 2>&1 ||
        { cat "$work/verify.txt" >&2; fail "the signed $name program does not verify"; }
    grep -qE 'digest algorithm *: *SHA256' "$work/verify.txt" || fail "$name: not SHA-256"
    grep -qx $'\tText description: Morvane' "$work/verify.txt" || fail "$name: no product name"
    grep -qx $'\tURL description: http://selbrook.example.com/' "$work/verify.txt" ||
        fail "$name: no web address"
    cp "$exe" "$work/changed.exe"
    python3 -c 'import sys
with open(sys.argv[1], "r+b") as f: b = f.read()[0x500]; f.seek(0x500); f.write(bytes([b ^ 1]))' \
        "$work/changed.exe"
    osslsigncode verify -CAfile "$work/signer.pem" -in "$work/changed.exe" >/dev/null 2>&1 &&
        fail "$name: the signature still verifies with a byte in the code changed"

    MORVANE_EXE="Z:$exe" wine "$app_tests" >"$work/app_tests.txt" 2>&1 ||
        { cat "$work/app_tests.txt" >&2; fail "app_tests fail on the signed $name program"; }

    if [[ $arch == i686 && -n ${MORVANE_NO_32BIT:-} ]]; then
        skipped=$MORVANE_NO_32BIT
        continue
    fi
    PROGRAM=$exe
    start_program "$PROGRAM"
    wait_for_window "$MAIN"
    program_running || fail "$name: no process runs $PROGRAM"
    stop_program
    PROGRAM=""
    echo "signed $name program: verified, resources read back, starts under Wine"
done

# Each refusal empties the folder that holds the signed packages made above.
refused() {
    local what=$1 message=$2
    shift 2
    package "$work/dist" "$@" && fail "$what: package.sh did not stop"
    grep -qF -- "$message" "$work/dist.log" || { cat "$work/dist.log" >&2; fail "$what: no '$message'"; }
    [[ -z $(ls -A "$work/dist") ]] || fail "$what: left in dist: $(ls -A "$work/dist")"
    echo "$what: refused: $(grep -m 1 -F -- "$message" "$work/dist.log")"
}
refused "a wrong password" "MORVANE_SIGN_PASSWORD does not open" \
    MORVANE_SIGN_PFX="$work/signer.pfx" MORVANE_SIGN_PASSWORD="not-$PASSWORD"
refused "a missing PFX" "does not exist" MORVANE_SIGN_PFX="$work/none.pfx"
grep -q -- '-readpass' "$work/command-lines.txt" || fail "the password was not given in a file"
grep -qF -- "$PASSWORD" "$work/command-lines.txt" && fail "the password was on a command line"

if [[ -n $skipped ]]; then
    echo "SKIPPED: starting the signed 32-bit program under Wine: $skipped"
    exit 77
fi
echo "signed packages: passed"
