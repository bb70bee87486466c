# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The version of the CMake that runs this, and nothing else: cmake -P version.cmake
message("${CMAKE_VERSION}")
