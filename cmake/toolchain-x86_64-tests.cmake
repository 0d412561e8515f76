# The 64-bit tests: the x86_64 target with the posix thread model, which GoogleTest's std::mutex
# needs. The program shipped for 64-bit Windows is built with toolchain-x86_64.cmake instead.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-x86_64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
