# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same sources give the same bytes, in any folder, at any time, under any
# umask, time zone or locale. What the build stamps with a time (the icons'
# times in the resource bundle, the page's typeface, the packages' members)
# takes the time the sources last changed: the commit's, or the one a source
# tarball carries in .source-date-epoch, unless SOURCE_DATE_EPOCH is set
# already. Neither the source folder's path nor the build folder's reaches a
# program.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                        OUTPUT_VARIABLE SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    # A new commit is a new date: the log of HEAD grows with each.
    if(EXISTS "${PROJECT_SOURCE_DIR}/.git/logs/HEAD")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/.git/logs/HEAD")
    endif()
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.source-date-epoch")
    file(STRINGS "${PROJECT_SOURCE_DIR}/.source-date-epoch" SOURCE_DATE_EPOCH LIMIT_COUNT 1)
endif()
if(NOT SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(WARNING "No date for the sources (no git, no .source-date-epoch): the build stamps today's")
    set(SOURCE_DATE_EPOCH)
else()
    # Every custom command of the build (rcc, the typeface's cut) runs with
    # it; so does cpack, through its project file.
    set_property(DIRECTORY PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH}")
    file(WRITE "${PROJECT_BINARY_DIR}/cpack-project.cmake" "set(ENV{SOURCE_DATE_EPOCH} ${SOURCE_DATE_EPOCH})\n")
    set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_BINARY_DIR}/cpack-project.cmake")
endif()
# What a command stamps with the date is made anew when the date changes (a
# new commit), not only when its sources do: it depends on this file, which
# changes with the date alone.
file(GENERATE OUTPUT "${PROJECT_BINARY_DIR}/source-date-epoch" CONTENT "${SOURCE_DATE_EPOCH}\n")
function(sumgrove_dated) # the outputs of custom commands of the calling folder
    foreach(output IN LISTS ARGN)
        add_custom_command(OUTPUT "${output}" APPEND DEPENDS "${PROJECT_BINARY_DIR}/source-date-epoch")
    endforeach()
endfunction()

# Paths as seen from the source folder (the build folder's last, so that it
# wins where it lies inside the source folder).
if(NOT MSVC)
    add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=" "-ffile-prefix-map=${PROJECT_BINARY_DIR}/=")
endif()
# The link time in a Windows program's header.
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_link_options(LINKER:--no-insert-timestamp)
endif()
# Folders the install makes, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
