# The Debian package (CPack DEB): `./dev package` builds it into
# build/package/, `./dev package --check` also installs it into a scratch
# root and tries it (tools/package-check.sh). Version: project version and
# the revision at configure time (./dev package configures again first).
set(LUMBRA_PACKAGE_MAINTAINER "Lumbra developers <packages@lumbra.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumbra)
set(CPACK_PACKAGE_VERSION ${LUMBRA_VERSION_FULL})
set(CPACK_PACKAGE_VENDOR "Lumbra")
set(CPACK_PACKAGE_CONTACT ${LUMBRA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design printed photo books")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumbra lays out photo books of 20 to 100 pages for print: import JPEG photos, "
    "pick page layouts from a catalogue of templates, drag photos into their boxes, "
    "zoom, pan and rotate them, write formatted captions, add backgrounds, preview "
    "the book and order a printed copy.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(LUMBRA_WEBSITE_URL) # no product site: no homepage field
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMBRA_WEBSITE_URL})
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian 12 names. The SVG plugins (icon engine, image format) are in
# libqt6svg6; the X11 and offscreen platform plugins in libqt6gui6; Qt's own
# translations (dialog buttons, file dialog) in qt6-translations-l10n; libheif
# decodes HEIC through libde265; TIFF and WebP come from Qt's image format plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6webenginewidgets6 (>= 6.4), libqt6webenginecore6 (>= 6.4), libjpeg62-turbo (>= 1:2.1), liblcms2-2 (>= 2.14), libheif1 (>= 1.15), libde265-0, qt6-image-formats-plugins, libqpdf29 (>= 11.3), fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation2, fonts-noto-cjk")

include(CPack)
