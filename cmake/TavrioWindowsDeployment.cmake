# Tavrio.exe with everything it needs beside it, for a Windows machine without Qt: the Qt
# libraries, the platform, style and image-format plugins, the compiler's runtime, Qt's own
# translations (the standard buttons in the user's language), and a qt.conf that makes the
# program's folder Qt's prefix. The installer and the zip carry exactly this folder.
set_target_properties(tavrio PROPERTIES OUTPUT_NAME Tavrio WIN32_EXECUTABLE ON)
set(TAVRIO_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/tavrio.rc.in tavrio.rc @ONLY)
target_sources(tavrio PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/tavrio.rc)
install(TARGETS tavrio RUNTIME DESTINATION .)

foreach(library Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION plugins/styles)
foreach(plugin QGifPlugin QICOPlugin)
    if(TARGET Qt6::${plugin})
        install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION plugins/imageformats)
    endif()
endforeach()

# The folders of the mingw runtime (scripts/windows/test.sh names Debian's).
set(TAVRIO_WINDOWS_RUNTIME "" CACHE STRING "Folders that hold the mingw-w64 runtime DLLs")
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    find_file(TAVRIO_RUNTIME_${dll} ${dll} PATHS ${TAVRIO_WINDOWS_RUNTIME} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH)
    if(NOT TAVRIO_RUNTIME_${dll})
        message(FATAL_ERROR "${dll} not found in TAVRIO_WINDOWS_RUNTIME (${TAVRIO_WINDOWS_RUNTIME})")
    endif()
    install(FILES ${TAVRIO_RUNTIME_${dll}} DESTINATION .)
endforeach()

# Qt's translations do not depend on the system: the host's serve (Debian: qt6-translations-l10n).
set(TAVRIO_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's own .qm files")
file(GLOB qt_translations "${TAVRIO_QT_TRANSLATIONS}/qtbase_*.qm")
install(FILES ${qt_translations} DESTINATION translations)

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
