# cpack -G DEB: a Debian package of the program and its desktop files, with the libraries it
# links found by dpkg-shlibdeps and the Qt plugins, fonts and translations it loads at run time.
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR "TESSEL")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for the photo deliveries of Japanese public works")
set(CPACK_PACKAGE_DESCRIPTION
    "TESSEL opens the photo XML file (PHOTO.XML) of an electronic delivery straight from its disc or stick and shows its photos by their classification, with their reference drawings and the construction information.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TESSEL developers <tessel@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, fonts-noto-cjk, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
