# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling the Windows window on Debian with MinGW-w64 (g++-mingw-w64-x86-64), for 64-bit
# Windows 10 and 11. The POSIX thread model's compilers: std::thread and std::mutex work with them.
# Tests run under Wine through tests/win32/wine-run, headless.
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers only from the MinGW-w64 tree, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest runs every test program through Wine, in a prefix of the build folder, under its own Xvfb.
get_filename_component(wine_run "${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${wine_run}")
