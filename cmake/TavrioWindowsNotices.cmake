# The licences of what the Windows folder ships besides Tavrio.exe: NOTICE.txt names each library
# with its version, licence and source, and the folder "licenses" holds the texts. The libraries
# are Debian's (the runtime) or built from Debian's source of the host's own Qt (cross-qt.sh), so
# their versions and copyright files are those of the Debian packages here. The installer's licence
# page shows Tavrio's licence and the notice.

# Sets <prefix>_PACKAGE, _VERSION, _SOURCE, _SOURCE_VERSION and _BUILT_USING ("gcc-12, version
# 12.2.0-14", or empty) for the installed Debian package `package`, and installs its copyright
# file as licenses/<source>-copyright.txt.
function(tavrio_debian_package prefix package)
    execute_process(
        COMMAND dpkg-query -W
                "-f=\${Package}|\${Version}|\${source:Package}|\${source:Version}|\${Built-Using}"
                ${package}
        OUTPUT_VARIABLE found RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR NOT EXISTS /usr/share/doc/${package}/copyright)
        message(FATAL_ERROR "The Windows package names the Debian package ${package} and ships "
                            "its copyright file: dpkg does not know it here")
    endif()
    string(REPLACE "|" ";" fields "${found}")
    list(GET fields 0 name)
    list(GET fields 1 version)
    list(GET fields 2 source)
    list(GET fields 3 source_version)
    list(GET fields 4 built_using)
    string(REGEX REPLACE "^([^ ]+) \\(= ([^)]+)\\).*" "\"\\1\", version \\2" built_using
                         "${built_using}")
    set(${prefix}_PACKAGE ${name} PARENT_SCOPE)
    set(${prefix}_VERSION ${version} PARENT_SCOPE)
    set(${prefix}_SOURCE ${source} PARENT_SCOPE)
    set(${prefix}_SOURCE_VERSION ${source_version} PARENT_SCOPE)
    set(${prefix}_BUILT_USING "${built_using}" PARENT_SCOPE)
    install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses
            RENAME ${source}-copyright.txt)
endfunction()

# The Debian package that holds `file`.
function(tavrio_debian_package_of out file)
    execute_process(COMMAND dpkg-query --search "${file}" OUTPUT_VARIABLE found ERROR_QUIET)
    string(REGEX REPLACE ":.*" "" found "${found}")
    set(${out} ${found} PARENT_SCOPE)
endfunction()

tavrio_debian_package(TAVRIO_QT qt6-base-dev)
if(NOT TAVRIO_QT_VERSION MATCHES "^${Qt6_VERSION}[+~-]")
    message(FATAL_ERROR "Qt ${Qt6_VERSION} for Windows, but the host's Qt is "
                        "${TAVRIO_QT_VERSION}: build Qt for Windows anew (cross-qt.sh)")
endif()
tavrio_debian_package_of(gcc_runtime "${TAVRIO_RUNTIME_libstdc++-6.dll}")
tavrio_debian_package(TAVRIO_GCC "${gcc_runtime}")
tavrio_debian_package_of(mingw_runtime "${TAVRIO_RUNTIME_libwinpthread-1.dll}")
tavrio_debian_package(TAVRIO_WINPTHREADS "${mingw_runtime}")

# Debian's copyright files refer to these for the licences every Debian system has.
foreach(licence Apache-2.0 GPL-2 GPL-3 LGPL-3)
    install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses
            RENAME ${licence}.txt)
endforeach()

set(notice ${CMAKE_CURRENT_BINARY_DIR}/NOTICE.txt)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/NOTICE.txt.in ${notice} @ONLY)
install(FILES ${notice} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
file(READ ${notice} notice_text)
file(WRITE ${CMAKE_BINARY_DIR}/installer-licence.txt "${licence}\n\n${notice_text}")
