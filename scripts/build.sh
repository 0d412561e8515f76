#!/usr/bin/env bash
# Builds morvane.exe for 32-bit and 64-bit Windows, and the tests for both:
# build/i686/morvane.exe (the 32-bit program as shipped), build/x86_64 (the 64-bit program and
# tests) and build/i686-tests (the 32-bit tests, built with the posix thread model).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# build FOLDER TESTS: the folder is also the name of its toolchain file.
build() {
    cmake -S "$root" -B "$root/build/$1" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$1.cmake" -DMORVANE_TESTS="$2" >/dev/null
    cmake --build "$root/build/$1" -j "$(nproc)"
}
build i686 OFF
build x86_64 ON
build i686-tests ON
