#!/usr/bin/env bash
# Builds the release packages from the two builds: morvane-VERSION-win32.zip (the 32-bit
# program) and morvane-VERSION-win64.zip, each with morvane.exe and README.txt, and SHA256SUMS.
#   package.sh [BUILD-ROOT [OUT-DIR]]    (defaults: build and dist; builds first when needed)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
dist=${2:-$root/dist}

if [[ $# -eq 0 ]]; then
    "$root/scripts/install-deps.sh"
    "$root/scripts/build.sh"
fi
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s/@VERSION@/$version/" "$root/packaging/README.txt" | sed 's/$/\r/' >"$work/README.txt"

mkdir -p "$dist"
rm -f "$dist"/morvane-*.zip "$dist/SHA256SUMS"
for target in win32:i686 win64:x86_64; do
    python3 "$root/packaging/make_zip.py" "$dist/morvane-$version-${target%%:*}.zip" \
        "morvane.exe=$build/${target#*:}/morvane.exe" "README.txt=$work/README.txt"
done
(cd "$dist" && sha256sum morvane-*.zip >SHA256SUMS)
ls -l "$dist"
