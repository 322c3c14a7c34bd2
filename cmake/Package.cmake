# The Debian package, made by CPack from what `cmake --install` installs (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME billcraft)
set(CPACK_PACKAGE_VENDOR Norvane)
set(CPACK_PACKAGE_CONTACT "Norvane <support@norvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Invoicing for sole traders and small companies")
set(CPACK_PACKAGE_DESCRIPTION
    "Billcraft keeps an address book of clients, raises numbered invoices with VAT, lists them
and marks them paid, prints them on a page you lay out, records expenses and appointments,
and keeps everything in one data folder on your own machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # billcraft_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.norvane.example/)
# The libraries the program links are found by dpkg-shlibdeps; Qt's plug-ins are loaded at run
# time, so those outside the linked packages are named here: the SQLite and PostgreSQL drivers
# and the SVG icon engine; Qt's own translations, which the standard dialogs speak German and
# French with, and iso-codes, whose catalogues name the countries in those languages. (The X11
# and image plug-ins come with libqt6gui6, which the program links.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, libqt6svg6, icc-profiles-free, xdg-utils, qt6-translations-l10n, iso-codes")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core")
include(CPack)
