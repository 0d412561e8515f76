#!/usr/bin/env bash
# Builds the program a second time, from the same source in another folder, and checks that
# both targets' program files and the packages made from them are the same byte for byte.
#   reproducible_test.sh SOURCE-ROOT BUILD-ROOT
set -euo pipefail
source_root=$1
build_root=$2
# Unsigned packages only: a signature carries its signing time.
unset MORVANE_SIGN_PFX MORVANE_SIGN_PASSWORD MORVANE_SIGN_TIMESTAMP
work=$(mktemp -d /tmp/morvane-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

for arch in i686 x86_64; do
    cmake -S "$source_root" -B "$work/build/$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$source_root/cmake/toolchain-$arch.cmake" -DMORVANE_TESTS=OFF \
        >/dev/null
    cmake --build "$work/build/$arch" --target morvane -j "$(nproc)" >/dev/null
    cmp "$build_root/$arch/morvane.exe" "$work/build/$arch/morvane.exe" ||
        fail "two builds of the $arch program differ"
done

bash "$source_root/scripts/package.sh" "$build_root" "$work/first" >/dev/null
bash "$source_root/scripts/package.sh" "$work/build" "$work/second" >/dev/null
for file in SHA256SUMS $(cd "$work/first" && ls morvane-*.zip); do
    cmp "$work/first/$file" "$work/second/$file" || fail "$file differs between the two builds"
done
(cd "$work/first" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not match"
echo "reproducible build and packages: passed"
