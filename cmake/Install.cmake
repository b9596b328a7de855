# The installed layout, as Linux desktop programs have it:
#   bin/lumbra
#   share/lumbra/                   language files, marker, introduction picture, help/,
#                                   backgrounds/ (the template catalogue is compiled in)
#   share/applications/ID.desktop   share/metainfo/ID.metainfo.xml
#   share/icons/hicolor/scalable/apps/ID.svg
# The program finds share/lumbra as ../share/lumbra from its binary
# (base/DataFolder), so bin and share must stay siblings.
include(GNUInstallDirs)

set(LUMBRA_APP_ID org.lumbra.Lumbra CACHE STRING "Desktop id: names the desktop entry, metainfo and icon")
# The screenshot lives on the product site; without one the metainfo shows none.
if(LUMBRA_WEBSITE_URL)
    set(lumbra_default_screenshot "${LUMBRA_WEBSITE_URL}screenshots/main-window.png")
endif()
set(LUMBRA_SCREENSHOT_URL "${lumbra_default_screenshot}"
    CACHE STRING "Screenshot shown by software centres (empty: none)")
if(LUMBRA_SCREENSHOT_URL MATCHES "^(screenshots/|http://127\\.0\\.0\\.1)")
    set(LUMBRA_SCREENSHOT_URL "${lumbra_default_screenshot}" CACHE STRING
        "Screenshot shown by software centres (empty: none)" FORCE)
endif()
# The metainfo's optional parts, whole lines or nothing.
set(LUMBRA_METAINFO_HOMEPAGE "")
if(LUMBRA_WEBSITE_URL)
    set(LUMBRA_METAINFO_HOMEPAGE "<url type=\"homepage\">${LUMBRA_WEBSITE_URL}</url>")
endif()
set(LUMBRA_METAINFO_SCREENSHOTS "")
if(LUMBRA_SCREENSHOT_URL)
    string(CONCAT LUMBRA_METAINFO_SCREENSHOTS
           "<screenshots>\n    <screenshot type=\"default\">\n"
           "      <caption>A page of a book with the photos of the book above it</caption>\n"
           "      <caption xml:lang=\"zh_CN\">相册的一页，上方是这本相册的照片</caption>\n"
           "      <caption xml:lang=\"zh_TW\">相簿的一頁，上方是這本相簿的相片</caption>\n"
           "      <image>${LUMBRA_SCREENSHOT_URL}</image>\n    </screenshot>\n  </screenshots>")
endif()
set(LUMBRA_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/lumbra)
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "The program looks for its data in ../share/lumbra beside its binary; "
                    "bin=${CMAKE_INSTALL_BINDIR} share=${CMAKE_INSTALL_DATADIR} breaks that.")
endif()

# Wayland compositors match the window to its desktop entry by this id.
target_compile_definitions(lumbra_app PRIVATE LUMBRA_APP_ID="${LUMBRA_APP_ID}")

install(TARGETS lumbra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/lang/ DESTINATION ${LUMBRA_DATA_DESTINATION}
        FILES_MATCHING PATTERN "*.txt")
install(FILES ${CMAKE_BINARY_DIR}/imageTooSmall.gif ${CMAKE_BINARY_DIR}/introduction.png
        DESTINATION ${LUMBRA_DATA_DESTINATION})
install(DIRECTORY ${CMAKE_BINARY_DIR}/backgrounds DESTINATION ${LUMBRA_DATA_DESTINATION})
install(DIRECTORY ${CMAKE_BINARY_DIR}/help DESTINATION ${LUMBRA_DATA_DESTINATION})

# Desktop entry, metainfo (with the version of this configuration) and icon.
execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} log -1 --format=%cs
                OUTPUT_VARIABLE LUMBRA_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed ERROR_QUIET)
if(failed OR NOT LUMBRA_RELEASE_DATE)
    string(TIMESTAMP LUMBRA_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
set(LUMBRA_LINUX_DIR ${CMAKE_BINARY_DIR}/linux)
configure_file(${CMAKE_SOURCE_DIR}/resources/linux/lumbra.desktop.in
               ${LUMBRA_LINUX_DIR}/${LUMBRA_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/linux/lumbra.metainfo.xml.in
               ${LUMBRA_LINUX_DIR}/${LUMBRA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${LUMBRA_LINUX_DIR}/${LUMBRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUMBRA_LINUX_DIR}/${LUMBRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/lumbra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMBRA_APP_ID}.svg)
