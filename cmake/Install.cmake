# Installing both programs, their manual pages, the desktop entry, icons, AppStream metadata,
# bash completion and the Debian documentation files, and packaging them as a .deb.
include(GNUInstallDirs)

# The one place the package's maintainer is named: the .deb's control file, the changelog's
# trailer lines and the copyright file's contact are all made from it.
set(KELVARA_MAINTAINER "Kelvara developers <kelvara-dev@users.noreply.kelvara.io>")
# Debian's documentation folder is named after the package, not the project.
set(KELVARA_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/kelvara)

# Both programs resolve all symbols at start-up, so their relocation tables can be read-only.
foreach(program IN ITEMS kelvara kelvara-render)
    target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
endforeach()
install(TARGETS kelvara kelvara-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/io.kelvara.Kelvara.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.kelvara.Kelvara.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KELVARA_BASH_COMPLETION}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The window icon in its sizes, drawn by the art generator.
set(KELVARA_ICON_SIZES 16 32 48 64 128)
foreach(size IN LISTS KELVARA_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/window_icon_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kelvara.png)
endforeach()

# The copyright file and the changelog (compressed; a native package's is changelog.gz).
set(KELVARA_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${KELVARA_CHANGELOG} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
               ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
add_custom_command(
    OUTPUT ${KELVARA_CHANGELOG}.gz
    COMMAND sh -c "gzip -9n < \"$0\" > \"$0.gz\"" ${KELVARA_CHANGELOG}
    DEPENDS ${KELVARA_CHANGELOG}
    VERBATIM)
add_custom_target(changelog_gz ALL DEPENDS ${KELVARA_CHANGELOG}.gz)
install(FILES ${KELVARA_CHANGELOG}.gz ${CMAKE_BINARY_DIR}/packaging/copyright
        DESTINATION ${KELVARA_DOCDIR})

include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VENDOR "The Kelvara developers")
set(CPACK_PACKAGE_CONTACT "${KELVARA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KELVARA_MAINTAINER}")
# The synopsis is the Description field's first line; the extended description follows it and
# must not repeat it. Lines stay within 80 characters.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character maker for small pixel-art fighter sprites")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kelvara builds small pixel-art fighter sprites: pick a face and a matching
hairstyle, a body pose or a damage figure, seven colours and three options,
and it layers the parts into one sprite, shows it enlarged on a background of
your choice and saves it as a BMP file with its parameters.
.
kelvara-render draws the same characters from the command line, for batches
of game sprites and contact sheets.
.
The pictures Kelvara writes are in the public domain (CC0 1.0): they may be
used in any game or artwork, commercial or not, with no credit required.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries are found by dpkg-shlibdeps; the platform plug-ins, the GIF reader and the
# Japanese font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
