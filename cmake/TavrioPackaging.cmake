# Packages of the installed files, made by CPack in the build folder (`cpack -G DEB` for Debian).
# What every generator reads comes first, then each generator's own.
set(CPACK_PACKAGE_NAME "tavrio")
set(CPACK_PACKAGE_VENDOR "The Tavrio developers")
set(CPACK_PACKAGE_CONTACT "The Tavrio developers <maintainers@tavrio.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TAVRIO_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# Folders made for the package are rwxr-xr-x, whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(WIN32)
    set(CPACK_GENERATOR "NSIS;ZIP")
elseif(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR "DEB")
endif()

# Debian: the synopsis is the summary above, the extended description the text of
# data/package/description (read here, since CPack escapes a description file for XML, and
# without double quotes, which CPack mangles); the Qt libraries come from the program's own
# links (dpkg-shlibdeps).
file(READ "${PROJECT_SOURCE_DIR}/data/package/description" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations, for the standard buttons and dialogs in the user's language; the sound
# library and theme for the sound when the time comes, loaded only when it plays (without them
# nothing plays).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, libcanberra0, sound-theme-freedesktop")

# Windows: an installer (Debian: nsis) made from Tavrio's own script, data/windows/NSIS.template.in
# (what it does is said there), and a zip of the same folder. Its licence page shows Tavrio's
# licence and the notice of the libraries it ships (TavrioWindowsNotices).
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tavrio")
set(CPACK_NSIS_PACKAGE_NAME "Tavrio")
set(CPACK_NSIS_DISPLAY_NAME "Tavrio")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${TAVRIO_HOMEPAGE}")
# A 64-bit installer for the 64-bit program: it installs into the 64-bit Program Files, and runs
# under a Wine without 32-bit support too.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
if(WIN32)
    set(CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/data/windows" ${CMAKE_MODULE_PATH})
    set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_BINARY_DIR}/installer-licence.txt")
    set(CPACK_PACKAGE_FILE_NAME "Tavrio-${PROJECT_VERSION}-win64")
endif()

include(CPack)
