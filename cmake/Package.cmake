# The Debian package: tavrin_<version>_<arch>.deb with everything the install
# rules of the tree put in place (./package.sh builds it).

# Data files that the program's folders ship beside it; any folder may add to
# it with tavrin_install_data(file...).
set(TAVRIN_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tavrin)
function(tavrin_install_data)
    install(FILES ${ARGN} DESTINATION ${TAVRIN_INSTALL_DATADIR})
endfunction()

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Organiseur de recherche d'emploi")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrin tient le dossier d'une recherche d'emploi : les sociétés contactées, "
    "les opérations et leurs coûts, les rendez-vous du jour, avec impression, "
    "statistiques, CV, simulation d'entretien et traitement de texte.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Équipe Tavrin <tavrin@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 libraries the program links, libical for the calendar export, the
# fonts that stand in for the ones it names, and Qt's French translation of
# the standard dialogs.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34)" "libstdc++6 (>= 12)" "libgcc-s1"
    "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)"
    "libqt6printsupport6 (>= 6.4)" "libqt6dbus6 (>= 6.4)" "libical3 (>= 3.0)"
    "fonts-liberation2" "qt6-translations-l10n")
include(CPack)
