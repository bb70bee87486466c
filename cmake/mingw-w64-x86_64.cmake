# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows program on Linux with MinGW-w64 (x86_64, posix
# threads), against a Qt for MinGW whose install prefix is QT_MINGW_DIR:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DQT_MINGW_DIR=/path/to/qt-mingw
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${triple}-gcc-posix ${triple}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triple}-g++-posix ${triple}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triple}-windres REQUIRED)

set(QT_MINGW_DIR "$ENV{QT_MINGW_DIR}" CACHE PATH "Install prefix of a Qt built for MinGW-w64 x86_64")
if(NOT EXISTS "${QT_MINGW_DIR}/lib/cmake/Qt5/Qt5Config.cmake")
    message(FATAL_ERROR "QT_MINGW_DIR ('${QT_MINGW_DIR}') is not the install prefix of a Qt 5 "
                        "for MinGW: it has no lib/cmake/Qt5/Qt5Config.cmake")
endif()
list(APPEND CMAKE_PREFIX_PATH "${QT_MINGW_DIR}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QT_MINGW_DIR)
# The target's libraries and Qt come from their own trees; the build's tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} "${QT_MINGW_DIR}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
