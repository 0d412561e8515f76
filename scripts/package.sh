#!/usr/bin/env bash
# Builds the release packages from the two builds: morvane-VERSION-win32.zip (the 32-bit
# program) and morvane-VERSION-win64.zip, each with morvane.exe and README.txt, and SHA256SUMS.
#   package.sh [BUILD-ROOT [OUT-DIR]]    (defaults: build and dist; builds first when needed)
# With MORVANE_SIGN_PFX set, both programs are signed (Authenticode, SHA-256) before they are
# zipped, with the key and certificate in that PKCS#12 (.pfx) file, opened with the password in
# MORVANE_SIGN_PASSWORD (none if unset); MORVANE_SIGN_TIMESTAMP, if set, is the address of an
# RFC 3161 time-stamp server that countersigns the signature. A run first removes the packages
# that OUT-DIR holds and moves the new ones in only when all of them are done: after a failed
# run OUT-DIR holds no packages at all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
dist=${2:-$root/dist}

# The password is kept in this shell alone: no program started from here inherits it, and it
# never appears on a command line. Tracing (bash -x) is paused while it is read.
tracing=${-//[^x]/}
set +x
sign_pfx=${MORVANE_SIGN_PFX:-}
sign_password=${MORVANE_SIGN_PASSWORD:-}
sign_timestamp=${MORVANE_SIGN_TIMESTAMP:-}
unset MORVANE_SIGN_PASSWORD
[[ -n $tracing ]] && set -x

fail() { echo "package.sh: $*" >&2; exit 1; }

rm -f "$dist"/morvane-*.zip "$dist/SHA256SUMS"
if [[ -n $sign_pfx ]]; then
    [[ -e $sign_pfx ]] || fail "MORVANE_SIGN_PFX: $sign_pfx does not exist"
    [[ -f $sign_pfx ]] || fail "MORVANE_SIGN_PFX: $sign_pfx is not a file"
    [[ -r $sign_pfx ]] || fail "MORVANE_SIGN_PFX: $sign_pfx cannot be read"
fi

if [[ $# -eq 0 ]]; then
    "$root/scripts/install-deps.sh"
    "$root/scripts/build.sh"
fi
if [[ -n $sign_pfx ]] && ! command -v osslsigncode >/dev/null; then
    fail "osslsigncode is not installed: run scripts/install-deps.sh as root"
fi
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

mkdir -p "$dist"
# The private folder (mktemp makes it mode 700) holds the password file and the signed programs;
# the packages are made beside OUT-DIR's files, so that moving them in is a rename.
work=$(mktemp -d)
packages=""
trap 'rm -rf "$work" ${packages:+"$packages"}' EXIT
packages=$(mktemp -d "$dist/.packages.XXXXXX")
sed "s/@VERSION@/$version/" "$root/packaging/README.txt" | sed 's/$/\r/' >"$work/README.txt"

# Signs one program file into another. The password goes to osslsigncode in a file that only
# this user can read, in this run's private folder, removed as soon as both files are signed.
sign() {
    local name=$1 in=$2 out=$3 log="$work/sign.log"
    local options=(-pkcs12 "$sign_pfx" -h sha256 -n Morvane -i http://selbrook.example.com/)
    [[ -n $sign_password ]] && options+=(-readpass "$work/password")
    [[ -n $sign_timestamp ]] && options+=(-ts "$sign_timestamp")
    if ! osslsigncode sign "${options[@]}" -in "$in" -out "$out" </dev/null >"$log" 2>&1; then
        if grep -q 'Failed to parse PKCS#12' "$log"; then
            echo "package.sh: MORVANE_SIGN_PASSWORD does not open $sign_pfx (wrong password?)" >&2
        elif grep -qE 'Failed to (extract|read) PKCS#12' "$log"; then
            echo "package.sh: MORVANE_SIGN_PFX: $sign_pfx is not a PKCS#12 (.pfx) file" >&2
        fi
        echo "package.sh: signing the $name morvane.exe failed; osslsigncode said:" >&2
        sed 's/^/    /' "$log" >&2
        exit 1
    fi
}

if [[ -n $sign_password ]]; then
    (umask 077 && printf '%s' "$sign_password" >"$work/password")
fi
for target in win32:i686 win64:x86_64; do
    name=${target%%:*}
    exe=$build/${target#*:}/morvane.exe
    [[ -f $exe ]] || fail "$exe is missing: build it first (scripts/build.sh)"
    if [[ -n $sign_pfx ]]; then
        sign "$name" "$exe" "$work/$name.exe"
        exe=$work/$name.exe
    fi
    python3 "$root/packaging/make_zip.py" "$packages/morvane-$version-$name.zip" \
        "morvane.exe=$exe" "README.txt=$work/README.txt"
done
rm -f "$work/password"
(cd "$packages" && sha256sum morvane-*.zip >SHA256SUMS)
mv "$packages"/morvane-*.zip "$dist/"
mv "$packages/SHA256SUMS" "$dist/"
if [[ -n $sign_pfx ]]; then
    echo "morvane.exe in both packages is signed with $sign_pfx"
else
    echo "morvane.exe is not signed (MORVANE_SIGN_PFX is not set)"
fi
ls -l "$dist"
