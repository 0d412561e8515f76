# The 32-bit tests: the i686 target with the posix thread model, which GoogleTest's std::mutex
# needs. The program shipped for 32-bit Windows is built with toolchain-i686.cmake instead.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
