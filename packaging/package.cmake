# The Debian package (cpack -G DEB from the build folder). Its library
# dependencies come from dpkg-shlibdeps; the QML modules the pages import are
# loaded at run time, so they are named here.
set(CPACK_PACKAGE_NAME orbex-mouse)
set(CPACK_PACKAGE_VENDOR "Meridan Orbex")
set(CPACK_PACKAGE_CONTACT "Meridan Orbex <support@meridan-orbex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for Orbex gaming mice")
set(CPACK_PACKAGE_DESCRIPTION
    "Sets up a USB gaming mouse of the 553 or 560 controller family: key assignments,\n"
    "macros, rapid fire, DPI stages, report rate, lighting and profiles.\n"
    "A udev rule gives the logged-in user access to the mouse.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.meridan-orbex.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qml6-module-qtquick, qml6-module-qtqml-workerscript")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n")

include(CPack)
