# The program's translations: translations/lumbra_LANG.ts, updated from the
# tr() texts of src/ by `./dev lupdate` (target lumbra_lupdate), built to
# build/translations/lumbra_LANG.qm beside the language files and installed
# to share/lumbra/translations/. Qt's own translations (qtbase_LANG.qm) come
# from the system's qt6-translations-l10n.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(LUMBRA_LANGUAGES zh_CN zh_TW)
set(LUMBRA_TS_FILES)
foreach(language ${LUMBRA_LANGUAGES})
    list(APPEND LUMBRA_TS_FILES ${CMAKE_SOURCE_DIR}/translations/lumbra_${language}.ts)
endforeach()
set_source_files_properties(${LUMBRA_TS_FILES} PROPERTIES
                            OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
file(GLOB_RECURSE LUMBRA_TR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp
                                                      ${CMAKE_SOURCE_DIR}/src/*.h)
qt_add_translations(lumbra
    TS_FILES ${LUMBRA_TS_FILES}
    SOURCES ${LUMBRA_TR_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
    LUPDATE_OPTIONS -no-obsolete -locations none
    QM_FILES_OUTPUT_VARIABLE LUMBRA_QM_FILES)
install(FILES ${LUMBRA_QM_FILES} DESTINATION ${LUMBRA_DATA_DESTINATION}/translations)

# The window tests load the translations of the build folder.
add_dependencies(lumbra_ui_tests lumbra_lrelease)
add_dependencies(lumbra_app_tests lumbra_lrelease)

# Every text of src/ui and src/app goes through tr(), and every tr() text of
# src/ has a finished translation in each .ts file.
add_test(NAME TranslationCheck.Sources
         COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/translation-check.py sources ${CMAKE_SOURCE_DIR})
add_test(NAME TranslationCheck.TsFiles
         COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/translation-check.py ts ${CMAKE_SOURCE_DIR}
                 $<TARGET_FILE:Qt6::lupdate>)
