#!/usr/bin/env bash
# Builds morvane.exe for 32-bit and 64-bit Windows, and the tests for both: build/i686 and
# build/x86_64 hold the programs as shipped (win32 thread model), build/i686-tests and
# build/x86_64-tests the tests (posix thread model, for GoogleTest); the 64-bit tests' tree is
# where ctest runs them all. Each tree is built incrementally: quick when nothing has changed.
#   build.sh [programs]   (with "programs", only build/i686 and build/x86_64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# build FOLDER TESTS: the folder is also the name of its toolchain file. CMake keeps the compiler
# a tree was first configured with, so a tree older than a toolchain file is configured afresh.
build() {
    local fresh=()
    local cache="$root/build/$1/CMakeCache.txt"
    if [[ -f $cache && -n $(find "$root/cmake" -name 'toolchain-*.cmake' -newer "$cache") ]]; then
        fresh=(--fresh)
    fi
    cmake "${fresh[@]}" -S "$root" -B "$root/build/$1" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$1.cmake" -DMORVANE_TESTS="$2" >/dev/null
    cmake --build "$root/build/$1" -j "$(nproc)"
}
build i686 OFF
build x86_64 OFF
[[ ${1:-} == programs ]] && exit 0
build x86_64-tests ON
build i686-tests ON
