# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program's folder and installer: the program, exactly the Qt and
# MinGW runtime DLLs it loads, Qt's plugins for the native window and style,
# and Qt's licences, in an NSIS installer whose pages speak Simplified Chinese.
# Also where a program of this build finds those DLLs when Wine runs it here.

enable_language(RC)

# The DLLs that the program and the two plugins import, other than Windows'
# own: three of Qt's and the MinGW runtime's three. The programs of this build
# find them in these files' folders.
set(windows_dlls)
foreach(module Core Gui Widgets)
    get_target_property(dll Qt5::${module} IMPORTED_LOCATION_RELEASE)
    list(APPEND windows_dlls "${dll}")
endforeach()
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dll_path "${dll_path}" REALPATH)
    if(NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    list(APPEND windows_dlls "${dll_path}")
endforeach()
set(windows_dll_dirs)
foreach(dll IN LISTS windows_dlls)
    get_filename_component(dir "${dll}" DIRECTORY)
    list(APPEND windows_dll_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES windows_dll_dirs)
list(GET windows_dll_dirs 0 qt_bin)
get_filename_component(qt_prefix "${qt_bin}" DIRECTORY)

# Built on Linux, the programs run under Wine: ctest, the tests of the real
# window and tools/dev run start them through wine-run.
if(CMAKE_CROSSCOMPILING)
    find_program(WINE wine REQUIRED)
    set(wine_prefix "${PROJECT_BINARY_DIR}/wine")
    list(TRANSFORM windows_dll_dirs PREPEND "Z:" OUTPUT_VARIABLE wine_path)
    configure_file(cmake/wine-run.in wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run")
    if(BUILD_TESTING) # every test runs in one prefix, made first (about 15 s, 700 MB)
        add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
        set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
    endif()
endif()

# The version resource's numbers; windres loses the quotes of a string passed with -D.
file(CONFIGURE OUTPUT rc/version.h CONTENT [[
#define SUMGROVE_VERSION "@PROJECT_VERSION@"
#define SUMGROVE_VERSION_NUMBERS @PROJECT_VERSION_MAJOR@, @PROJECT_VERSION_MINOR@, @PROJECT_VERSION_PATCH@, 0
]] @ONLY)
# (windres's includes are not scanned: a new version must make it run again.)
set_source_files_properties(src/app/sumgrove.rc PROPERTIES INCLUDE_DIRECTORIES "${PROJECT_BINARY_DIR}/rc"
                            OBJECT_DEPENDS "${PROJECT_BINARY_DIR}/rc/version.h")

# Windows looks for a program's DLLs beside it, and Qt for its plugins in
# folders named after their kind beside it too.
install(TARGETS sumgrove RUNTIME DESTINATION .)
install(FILES ${windows_dlls} DESTINATION .)
# Debian's MinGW runtime DLLs keep their debugging symbols: 22 of their 25 MB.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB runtime \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib*.dll\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${runtime} COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES $<TARGET_FILE:Qt5::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt5::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES LICENSES/GPL-3.0-or-later.txt DESTINATION licenses)
install(DIRECTORY "${qt_prefix}/licenses/" DESTINATION licenses/Qt)
# The MinGW runtime's terms, as the Debian packages it comes from state them.
foreach(package gcc-mingw-w64-base mingw-w64-x86-64-dev)
    if(EXISTS /usr/share/doc/${package}/copyright)
        install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses/MinGW-w64 RENAME ${package}.txt)
    endif()
endforeach()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME Sumgrove-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Sumgrove)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Sumgrove)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The name a pupil knows it by: the installer's title, the Start-menu folder
# and shortcut, and the entry in the list of installed programs.
set(CPACK_NSIS_PACKAGE_NAME "数学练习题")
set(CPACK_NSIS_DISPLAY_NAME "数学练习题")
set(CPACK_PACKAGE_EXECUTABLES sumgrove "数学练习题")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME sumgrove.exe)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/src/form/Resources/sumgrove.ico")
set(CPACK_NSIS_MUI_UNIICON "${CPACK_NSIS_MUI_ICON}")

# CPack's own installer script, made 64-bit and Unicode (Debian's makensis
# builds a 32-bit installer unless told, and a Wine without 32-bit support
# cannot start one), given Simplified Chinese as its only language and its
# uninstaller's shortcut a Chinese name, and made to remove the maker's
# registry key, which its uninstaller empties but leaves.
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" nsis_template)
function(edit_nsis_template from to)
    string(FIND "${nsis_template}" "${from}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "CPack's NSIS template has no '${from}'")
    endif()
    string(REPLACE "${from}" "${to}" edited "${nsis_template}")
    set(nsis_template "${edited}" PARENT_SCOPE)
endfunction()
# Installed files get the time they are installed, not the build's: the
# installer keeps none.
edit_nsis_template("; CPack install script designed for a nmake build" "Target amd64-unicode\nSetDateSave off")
string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
                     "  !insertmacro MUI_LANGUAGE \"SimpChinese\"\n" nsis_template "${nsis_template}")
set(vendor_key [[DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@]])
edit_nsis_template("${vendor_key}\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\""
                   "${vendor_key}\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n  ${vendor_key}\"")
string(REPLACE "Uninstall.lnk" "卸载.lnk" nsis_template "${nsis_template}")
file(WRITE "${PROJECT_BINARY_DIR}/nsis/NSIS.template.in" "${nsis_template}")
list(PREPEND CMAKE_MODULE_PATH "${PROJECT_BINARY_DIR}/nsis")
