# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the arm64 program on an x86 Debian against Debian's arm64 Qt
# (multi-arch: the libraries of both machines side by side, Qt's moc, rcc and
# uic the build machine's own), and runs it under qemu's user-mode emulator:
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

find_program(CMAKE_C_COMPILER NAMES aarch64-linux-gnu-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES aarch64-linux-gnu-g++ REQUIRED)
# Without binfmt_misc the kernel cannot start an arm64 program by itself.
find_program(CMAKE_CROSSCOMPILING_EMULATOR NAMES qemu-aarch64-static qemu-aarch64 REQUIRED)
