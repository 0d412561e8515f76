#!/usr/bin/env bash
# Builds morvane.exe for 32-bit and 64-bit Windows, and the tests for 64-bit:
# build/i686/morvane.exe and build/x86_64/morvane.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

for arch in i686 x86_64; do
    tests=OFF
    [[ $arch == x86_64 ]] && tests=ON
    cmake -S "$root" -B "$root/build/$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" -DMORVANE_TESTS=$tests >/dev/null
    cmake --build "$root/build/$arch" -j "$(nproc)"
done
