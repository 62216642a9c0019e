# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for Windows 10/11 x86-64 on Debian with MinGW-w64 from Debian's packages
# (g++-mingw-w64-x86-64-posix): the posix thread model, which std::thread needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 10.0)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries come from the MinGW-w64 tree (and the Qt built for it); programs that
# run during the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program stands alone: no libgcc_s, libstdc++ or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows programs built here are run under Wine: the build's own tools and the tests.
find_program(KALYXTERON_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KALYXTERON_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KALYXTERON_WINE})
endif()
