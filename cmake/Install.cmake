# Installing both programs, the desktop entry and the icons, and packaging them as a .deb.
include(GNUInstallDirs)

install(TARGETS kelvara kelvara-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/kelvara.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The window icon in its sizes, drawn by the art generator.
set(KELVARA_ICON_SIZES 16 32 48 64 128)
foreach(size IN LISTS KELVARA_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/window_icon_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kelvara.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_CONTACT "Vantrel <kelvara@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pixel-art fighter character maker")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pixel-art fighter character maker\n Builds small fighter sprites from faces, hairstyles, poses and palette colours,\n and saves them as BMP files with their parameters. Includes kelvara-render for\n batches from the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries are found by dpkg-shlibdeps; the platform plug-ins, the GIF reader and the
# Japanese font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
