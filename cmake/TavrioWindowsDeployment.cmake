# Tavrio.exe with everything it needs beside it, for a Windows machine without Qt: the Qt
# libraries, the platform, style and image-format plugins, the compiler's runtime, Qt's own
# translations for Tavrio's languages (the standard buttons in the user's language), a qt.conf
# that makes the program's folder Qt's prefix, and the licences (TavrioWindowsNotices). The
# installer and the zip carry exactly this folder.
set_target_properties(tavrio PROPERTIES OUTPUT_NAME Tavrio WIN32_EXECUTABLE ON)
set(TAVRIO_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/tavrio.rc.in tavrio.rc @ONLY)
target_sources(tavrio PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/tavrio.rc)
install(TARGETS tavrio RUNTIME DESTINATION .)

# The libraries are shipped without their debug information and symbol tables, which Windows
# never reads (more than half of their size): copies stripped in the build folder are installed.
# Their exports stay.
set(stripped_folder ${CMAKE_CURRENT_BINARY_DIR}/stripped)
set(stripped_files)
macro(tavrio_install_stripped file destination)
    get_filename_component(name "${file}" NAME)
    set(copy ${stripped_folder}/${destination}/${name})
    add_custom_command(OUTPUT ${copy}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${stripped_folder}/${destination}
                       COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${copy} ${file}
                       DEPENDS ${file} VERBATIM)
    list(APPEND stripped_files ${copy})
    install(FILES ${copy} DESTINATION ${destination})
endmacro()

foreach(library Core Gui Widgets)
    get_target_property(file Qt6::${library} LOCATION)
    tavrio_install_stripped(${file} .)
endforeach()
get_target_property(file Qt6::QWindowsIntegrationPlugin LOCATION)
tavrio_install_stripped(${file} plugins/platforms)
get_target_property(file Qt6::QWindowsVistaStylePlugin LOCATION)
tavrio_install_stripped(${file} plugins/styles)
foreach(plugin QGifPlugin QICOPlugin)
    if(TARGET Qt6::${plugin})
        get_target_property(file Qt6::${plugin} LOCATION)
        tavrio_install_stripped(${file} plugins/imageformats)
    endif()
endforeach()

# The folders of the mingw runtime (scripts/windows/test.sh names Debian's).
set(TAVRIO_WINDOWS_RUNTIME "" CACHE STRING "Folders that hold the mingw-w64 runtime DLLs")
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    find_file(TAVRIO_RUNTIME_${dll} ${dll} PATHS ${TAVRIO_WINDOWS_RUNTIME} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH)
    if(NOT TAVRIO_RUNTIME_${dll})
        message(FATAL_ERROR
                "${dll} not found in TAVRIO_WINDOWS_RUNTIME (${TAVRIO_WINDOWS_RUNTIME})")
    endif()
    tavrio_install_stripped(${TAVRIO_RUNTIME_${dll}} .)
endforeach()
add_custom_target(tavrio_stripped_libraries ALL DEPENDS ${stripped_files})

# Qt's translations do not depend on the system: the host's serve (Debian: qt6-translations-l10n),
# for the languages Tavrio speaks (which ProgramLanguage loads them for) and no others; English is
# Qt's own.
set(TAVRIO_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's own .qm files")
file(GLOB tavrio_languages RELATIVE ${PROJECT_SOURCE_DIR}/translations
     ${PROJECT_SOURCE_DIR}/translations/tavrio_*.ts)
foreach(file ${tavrio_languages})
    string(REGEX REPLACE "^tavrio_(.*)\\.ts$" "qtbase_\\1.qm" qt_translation ${file})
    if(NOT qt_translation STREQUAL "qtbase_en.qm"
       AND EXISTS ${TAVRIO_QT_TRANSLATIONS}/${qt_translation})
        install(FILES ${TAVRIO_QT_TRANSLATIONS}/${qt_translation} DESTINATION translations)
    endif()
endforeach()

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)
include(TavrioWindowsNotices)
