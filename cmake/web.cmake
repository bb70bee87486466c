# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web build: the program compiled to WebAssembly and the page that serves
# it, a folder any static web server can host (web/ holds the page's own
# files). A browser brings no CJK face, so the program carries WenQuanYi Micro
# Hei cut down to the characters of its own sources, remade whenever they
# change. Run as a script (cmake -P), this file assembles the folder.

if(CMAKE_SCRIPT_MODE_FILE)
    file(REMOVE_RECURSE "${page}")
    file(MAKE_DIRECTORY "${page}")
    file(COPY "${bin}/sumgrove.js" "${bin}/sumgrove.wasm" "${qtloader}" "${src}/web/manifest.webmanifest"
              "${src}/src/form/Resources/sumgrove-48.png" "${src}/src/form/Resources/sumgrove-256.png"
              "${src}/web/wqy-microhei.txt"
         DESTINATION "${page}")
    file(COPY "${src}/LICENSES/" DESTINATION "${page}/licenses")
    configure_file("${src}/src/form/Resources/sumgrove.ico" "${page}/favicon.ico" COPYONLY)
    file(SIZE "${bin}/sumgrove.wasm" WASM_BYTES)
    configure_file("${src}/web/index.html" "${page}/index.html" @ONLY)
    # The service worker keeps every file, in a cache named after them all:
    # any change makes a new one.
    file(GLOB_RECURSE served RELATIVE "${page}" "${page}/*")
    set(contents)
    set(FILES)
    foreach(file IN LISTS served)
        file(SHA256 "${page}/${file}" hash)
        string(APPEND contents "${hash}")
        list(APPEND FILES "'${file}'")
    endforeach()
    list(JOIN FILES ", " FILES)
    string(SHA256 hash "${contents}")
    string(SUBSTRING "${hash}" 0 16 hash)
    set(CACHE_NAME "sumgrove-${version}-${hash}")
    configure_file("${src}/web/sw.js" "${page}/sw.js" @ONLY)
    # Beside the large files, the same compressed as tightly as each format
    # allows, for servers that send such a file when the browser takes it.
    foreach(file sumgrove.wasm sumgrove.js)
        execute_process(COMMAND gzip -9 -n -k "${page}/${file}" RESULT_VARIABLE failed)
        if(NOT failed)
            execute_process(COMMAND "${brotli}" -q 11 -k "${page}/${file}" RESULT_VARIABLE failed)
        endif()
        if(failed)
            message(FATAL_ERROR "Could not compress ${page}/${file}")
        endif()
    endforeach()
    return()
endif()

find_program(WEBFONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED) # Debian's, with fontTools
find_program(BROTLI brotli REQUIRED)
set(cjk_font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc CACHE FILEPATH "The CJK face the page carries, cut down")
file(GLOB_RECURSE program_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
set(fonts ${PROJECT_BINARY_DIR}/fonts)
add_custom_command(OUTPUT ${fonts}/wqy-microhei.ttf
                   COMMAND ${WEBFONT_PYTHON} ${PROJECT_SOURCE_DIR}/tools/webfont ${cjk_font} ${fonts}/wqy-microhei.ttf
                           ${program_sources}
                   DEPENDS tools/webfont ${cjk_font} ${program_sources} VERBATIM)
file(CONFIGURE OUTPUT ${fonts}/fonts.qrc CONTENT [[<RCC><qresource prefix="/Sumgrove/fonts">
<file>wqy-microhei.ttf</file>
</qresource></RCC>
]]) # written only when it changes: rcc and the link would follow
qt_add_resources(fonts_rcc ${fonts}/fonts.qrc)
sumgrove_dated(${fonts}/wqy-microhei.ttf ${fonts_rcc})
target_sources(sumgrove_resources PRIVATE ${fonts_rcc})

# Qt's platform plugin for browsers carries three typefaces (DejaVu Sans and
# Sans Mono, Bitstream Vera Sans: 1 MB) and reads them all at every start, and
# its widgets carry the pictures of macOS's style. The program's own face
# stands in for every family the form names, and the form is not drawn in
# macOS's style: they stay out of the page.
# (Qt 6.8 copies the release build's objects to the other build types.)
foreach(unused Qt6::QWasmIntegrationPlugin_resources_1 Qt6::Widgets_resources_2)
    if(TARGET ${unused})
        set_target_properties(${unused} PROPERTIES IMPORTED_OBJECTS "" IMPORTED_OBJECTS_RELEASE ""
                              IMPORTED_OBJECTS_MINSIZEREL "" IMPORTED_OBJECTS_RELWITHDEBINFO "")
    endif()
endforeach()

# The program's side of the page, its accessibility. It starts itself, so it
# goes into the program, not the library.
target_sources(sumgrove PRIVATE src/app/webpage.cpp src/app/webpage.h)
# The page hands a phone's scale to Qt in its environment.
set_target_properties(sumgrove PROPERTIES QT_WASM_EXTRA_EXPORTED_METHODS ENV)

# The folder to serve, beside the program; 'web_package' zips it.
set(page_name sumgrove-${PROJECT_VERSION}-web)
set(page ${PROJECT_BINARY_DIR}/${page_name})
file(GLOB page_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*)
add_custom_command(OUTPUT ${page}/index.html
                   COMMAND ${CMAKE_COMMAND} -Dsrc=${PROJECT_SOURCE_DIR} -Dbin=${PROJECT_BINARY_DIR} -Dpage=${page}
                           -Dversion=${PROJECT_VERSION} -Dbrotli=${BROTLI}
                           -Dqtloader=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js
                           -P ${CMAKE_CURRENT_LIST_FILE}
                   DEPENDS sumgrove ${page_sources} ${CMAKE_CURRENT_LIST_FILE} VERBATIM)
add_custom_target(web_page ALL DEPENDS ${page}/index.html)
add_custom_target(web_package
                  COMMAND ${CMAKE_COMMAND} -E tar cf ${page_name}.zip --format=zip ${page_name}
                  WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DEPENDS web_page VERBATIM)
