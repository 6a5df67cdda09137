# The Debian package: Tervalo read-only under /usr for every user (each works in a folder of their own), with
# its launcher, icon, metainfo and man pages. Built with "cpack -G DEB" in the build directory.
# The package takes what the build made; packing does not start a build of every target first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kelvara)
set(CPACK_PACKAGE_CONTACT "Kelvara <packages@kelvara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare a heat pump with the existing boiler heating")
set(CPACK_PACKAGE_DESCRIPTION
    "Tervalo answers one question for one building: what would a heat pump
consume, cost and emit per year in place of the existing boiler heating?
The heat pump is evaluated at its design point; an annual energy balance
gives the fuel, electricity, cost and CO2 of both heatings side by side,
with a printed report, in sixteen languages. tervalo-calc runs the same
calculation without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library scan finds Qt's SVG library, which also carries the plug-in that draws the window icon. Qt's
# own texts of its dialogs (file and print dialogs) in the user's language come with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
