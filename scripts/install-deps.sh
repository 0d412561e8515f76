#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools this Debian 12 machine lacks,
# with the 32-bit Wine that runs the 32-bit program (from Debian's i386 architecture).
set -euo pipefail

packages=(
    cmake make python3
    g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-posix
    googletest
    wine wine64 wine32:i386 fonts-wine fonts-liberation
    xvfb xdotool x11-utils imagemagick procps
)
# Signing the release packages (scripts/package.sh) and checking the signatures in the tests.
packages+=(openssl osslsigncode)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

# Without 32-bit Wine, which a mirror may not offer yet, the 32-bit tests are skipped and say why.
[[ ${missing[*]} == wine32:i386 && $(id -u) -ne 0 ]] && exit 0
if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}; run this as root, or install them with apt-get." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails some lists; what the others hold may still be enough.
apt-get update -qq || echo "apt-get update failed in part: installing from the lists it has" >&2
native=()
for package in "${missing[@]}"; do [[ $package == *:i386 ]] || native+=("$package"); done
[[ ${#native[@]} -eq 0 ]] || apt-get install -y -qq --no-install-recommends "${native[@]}"
# 32-bit Wine needs its i386 libraries at the versions of the installed amd64 ones, which a
# mirror does not always have yet: without it the 32-bit tests are skipped, and say why.
if [[ " ${missing[*]} " == *" wine32:i386 "* ]] &&
    ! apt-get install -y -qq --no-install-recommends wine32:i386; then
    echo "32-bit Wine (wine32:i386) could not be installed: the 32-bit tests will be skipped" >&2
fi
