# The program's translations, with Qt's lrelease alone (Debian: qt6-l10n-tools): Debian ships
# Qt's own CMake commands for it (qt_add_translations) only with Designer and Qt Help. Every
# translations/tavrio_<language>.ts is compiled into a .qm that the target carries as a resource
# under :/i18n, so that a build finds its translations wherever it is installed or run from.
# scripts/translations.sh keeps the .ts files in step with the sources (lupdate).
find_program(TAVRIO_LRELEASE NAMES lrelease lrelease-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
             DOC "Qt's lrelease, which compiles the translations")
find_program(TAVRIO_LUPDATE NAMES lupdate lupdate-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
             DOC "Qt's lupdate, which the translation check runs over the sources")
if(NOT TAVRIO_LRELEASE)
    message(FATAL_ERROR "Qt's lrelease is missing (Debian: qt6-l10n-tools, scripts/setup.sh)")
endif()

file(GLOB TAVRIO_TS_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/tavrio_*.ts")

#   tavrio_add_translations(target)
function(tavrio_add_translations target)
    set(folder "${CMAKE_CURRENT_BINARY_DIR}/i18n")
    file(MAKE_DIRECTORY "${folder}")
    set(qm_files)
    foreach(ts IN LISTS TAVRIO_TS_FILES)
        get_filename_component(name "${ts}" NAME_WE)
        set(qm "${folder}/${name}.qm")
        add_custom_command(OUTPUT "${qm}"
                           COMMAND "${TAVRIO_LRELEASE}" -silent "${ts}" -qm "${qm}"
                           DEPENDS "${ts}"
                           COMMENT "Compiling the translation ${name}"
                           VERBATIM)
        list(APPEND qm_files "${qm}")
    endforeach()
    qt_add_resources(${target} "translations" PREFIX "/i18n" BASE "${folder}" FILES ${qm_files})
endfunction()
