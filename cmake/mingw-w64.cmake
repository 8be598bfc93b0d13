# SPDX-License-Identifier: GPL-3.0-or-later
# Cross compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads: Qt needs
# std::thread). Used to build Qt itself, and loaded by Qt's own toolchain file after it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MASSA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MASSA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MASSA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${MASSA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MASSA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
