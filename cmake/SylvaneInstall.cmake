# Installation: the programs and the driver, the manual, the sample key table with the
# default settings naming it, the icon, a menu entry per program and the AppStream
# metainfo. Then the Debian package made from the same rules (cpack -G DEB).
include("${CMAKE_CURRENT_LIST_DIR}/SylvaneSettings.cmake")

install(TARGETS Sylvane_2023-01 Sylvane_2019-02 sylvane-drive
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_BINARY_DIR}/data/Sylvane.pdf"
              "${PROJECT_SOURCE_DIR}/data/champignons_europe.txt"
        DESTINATION ${SYLVANE_INSTALL_DATADIR})
install(CODE "
    include(\"${CMAKE_CURRENT_LIST_DIR}/SylvaneSettings.cmake\")
    sylvane_install_default_settings(\"${PROJECT_BINARY_DIR}/install\"
                                     \"${SYLVANE_INSTALL_DATADIR}\")")
install(FILES "${PROJECT_SOURCE_DIR}/data/icons/sylvane.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${PROJECT_SOURCE_DIR}/data/org.sylvane.Sylvane.desktop"
              "${PROJECT_SOURCE_DIR}/data/org.sylvane.Sylvane2019.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${PROJECT_SOURCE_DIR}/data/org.sylvane.Sylvane.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/CHANGELOG.md"
              "${PROJECT_SOURCE_DIR}/README.md"
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sylvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sylvane)
set(CPACK_PACKAGE_VENDOR "The Sylvane developers")
set(CPACK_PACKAGE_CONTACT "The Sylvane developers <sylvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multi-access identification key for naturalists")
set(CPACK_PACKAGE_DESCRIPTION
    "Open a key table, pick a descriptor and one of its values, and the list of taxa\n\
shrinks. Chiefly for fungi; comes with a sample table of European fungi and a manual.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# The default settings name the installed data folder, so the package is installed with
# its final prefix (under DESTDIR), not with the staging folder as prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so not found by the library scan: the SVG icon and the French dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
