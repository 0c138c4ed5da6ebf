# Cross-building the Windows program (x86-64) on Debian with mingw-w64:
#   cmake -S . -B build/windows --toolchain cmake/mingw-w64-x86_64.cmake
# The programs are linked statically, so they need no DLL beyond Windows'
# own; tests run through wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The posix thread model: std::thread and std::mutex as GCC builds them
# elsewhere.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C and C++ runtimes and winpthread. Extra linker flags belong in
# CMAKE_EXE_LINKER_FLAGS_INIT's company, not in a -DCMAKE_EXE_LINKER_FLAGS
# that would replace this.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs every test program through wine, in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/wine-run)
