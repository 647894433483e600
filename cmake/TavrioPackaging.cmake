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

# Windows: an installer (Debian: nsis) with a Start-menu entry and an uninstaller, and a zip of the
# same folder. Uninstalling removes the program and its Start With Session entry; the user's
# settings stay unless the user asks to remove them too (a silent uninstall keeps them).
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tavrio")
set(CPACK_PACKAGE_EXECUTABLES "Tavrio" "Tavrio")
set(CPACK_NSIS_PACKAGE_NAME "Tavrio")
set(CPACK_NSIS_DISPLAY_NAME "Tavrio")
set(CPACK_NSIS_INSTALLED_ICON_NAME "Tavrio.exe")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/data/windows/tavrio.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${TAVRIO_HOMEPAGE}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for the 64-bit program: it installs into the 64-bit Program Files, and runs
# under a Wine without 32-bit support too.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# CPack writes this into a CMake file as a quoted string: NSIS's own quotes are single ones and
# each backslash is doubled to come through.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
DeleteRegValue HKCU 'Software\\Microsoft\\Windows\\CurrentVersion\\Run' 'Tavrio'
MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 'Also remove your Tavrio settings (the target, the title and the look of the timer window)?' /SD IDNO IDNO +2
DeleteRegKey HKCU 'Software\\Tavrio'
]=])
if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME "Tavrio-${PROJECT_VERSION}-win64")
endif()

include(CPack)
