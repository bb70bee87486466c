# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Linux install and its Debian package: the program, desktop entry,
# metainfo, icons and manual pages, and the copyright file and changelog that
# Debian asks of every package, written from the same facts reuse reads and
# from NEWS.md.

# One package for each Qt: sumgrove (Qt 5) and sumgrove-qt6, which stands in for it.
# A Wayland session needs the matching platform plugin; X11 does not.
if(QT_MAJOR_VERSION STREQUAL "5")
    set(CPACK_PACKAGE_NAME sumgrove)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qtwayland5)
else()
    set(CPACK_PACKAGE_NAME sumgrove-qt${QT_MAJOR_VERSION})
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
    set(CPACK_DEBIAN_PACKAGE_PROVIDES sumgrove)
    set(CPACK_DEBIAN_PACKAGE_CONFLICTS sumgrove)
    set(CPACK_DEBIAN_PACKAGE_REPLACES sumgrove)
endif()
set(CPACK_PACKAGE_DESCRIPTION [[
A drill in mental arithmetic for primary-school pupils, every caption in
Simplified Chinese. One window deals twenty random problems in addition,
subtraction, multiplication and division, every answer a whole number from
0 to 100, and times the pupil while they type the answers. One press grades
all twenty at once: each row turns green or red and the score out of 100
appears.

It keeps no settings, writes no files and needs no network, and it can be
used from the keyboard alone and with a screen reader.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(CMAKE_CROSSCOMPILING) # labelled for the machine it runs on, not the one that built it
    execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -q DEB_HOST_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are Chinese: without a CJK face they show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")

set(app_id org.sumgrove.Sumgrove)
install(TARGETS sumgrove RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped as Debian strips, which also drops the compilers' notes.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sumgrove\"
                        RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR \"objcopy: \${failed}\")
        endif()
    endif()")
install(FILES packaging/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 256)
    install(FILES src/form/Resources/sumgrove-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
endforeach()

# The version is project()'s; what else names it must name the same. NEWS.md
# may open with "## Unreleased", the changes made since: its newest release is
# the version then, and tools/dev release refuses to make a release of it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS.md packaging/${app_id}.metainfo.xml
             docs/man/sumgrove.1 docs/man/sumgrove.zh_CN.1) # checked again when they change
file(STRINGS NEWS.md headings REGEX "^## " LIMIT_COUNT 2)
list(GET headings 0 latest)
if(latest STREQUAL "## Unreleased" AND headings MATCHES ";")
    list(GET headings 1 latest)
endif()
if(NOT latest MATCHES "^## ${PROJECT_VERSION} \\(([0-9-]+)\\)$")
    message(FATAL_ERROR "NEWS.md's newest release is '${latest}', not version ${PROJECT_VERSION} "
                        "(it may open with '## Unreleased' above that)")
endif()
set(released ${CMAKE_MATCH_1})
file(STRINGS packaging/${app_id}.metainfo.xml latest REGEX "<release " LIMIT_COUNT 1)
if(NOT latest MATCHES "version=\"${PROJECT_VERSION}\" date=\"${released}\"")
    message(FATAL_ERROR "The metainfo's newest release is '${latest}', not ${PROJECT_VERSION} of ${released}")
endif()
foreach(page docs/man/sumgrove.1 docs/man/sumgrove.zh_CN.1)
    file(STRINGS ${page} heading REGEX "^\\.TH ")
    if(NOT heading MATCHES " ${released} \"Sumgrove ${PROJECT_VERSION}\"")
        message(FATAL_ERROR "${page} is headed '${heading}', not version ${PROJECT_VERSION} of ${released}")
    endif()
endforeach()

# Compressed as Debian compresses them: the most, and with no time stamp.
set(docs ${PROJECT_BINARY_DIR}/debian)
file(GLOB_RECURSE licensed CONFIGURE_DEPENDS LIST_DIRECTORIES false
     ${PROJECT_SOURCE_DIR}/src/* ${PROJECT_SOURCE_DIR}/tests/* ${PROJECT_SOURCE_DIR}/bench/*
     ${PROJECT_SOURCE_DIR}/tools/* ${PROJECT_SOURCE_DIR}/cmake/* ${PROJECT_SOURCE_DIR}/packaging/*
     ${PROJECT_SOURCE_DIR}/docs/*)
add_custom_command(OUTPUT ${docs}/copyright
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
                   COMMAND sh -c "'${PROJECT_SOURCE_DIR}/tools/debian-copyright' > '${docs}/copyright'"
                   DEPENDS tools/debian-copyright .reuse/dep5 ${licensed} VERBATIM)
add_custom_command(OUTPUT ${docs}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
                   COMMAND sh -c "'${PROJECT_SOURCE_DIR}/tools/debian-changelog' '${CPACK_PACKAGE_NAME}' \
'${CPACK_PACKAGE_CONTACT}' < '${PROJECT_SOURCE_DIR}/NEWS.md' | gzip -9n > '${docs}/changelog.gz'"
                   DEPENDS tools/debian-changelog NEWS.md VERBATIM)
set(debian_docs ${docs}/copyright ${docs}/changelog.gz)
foreach(lang en zh_CN)
    if(lang STREQUAL en)
        set(page docs/man/sumgrove.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(page docs/man/sumgrove.${lang}.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    endif()
    add_custom_command(OUTPUT ${docs}/${lang}/sumgrove.1.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}/${lang}
                       COMMAND sh -c "gzip -9n < '${PROJECT_SOURCE_DIR}/${page}' > '${docs}/${lang}/sumgrove.1.gz'"
                       DEPENDS ${page} VERBATIM)
    list(APPEND debian_docs ${docs}/${lang}/sumgrove.1.gz)
    install(FILES ${docs}/${lang}/sumgrove.1.gz DESTINATION ${man_dir})
endforeach()
add_custom_target(debian_docs ALL DEPENDS ${debian_docs})
install(FILES ${docs}/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
