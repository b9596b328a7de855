# The program's icons: SVG pictures compiled into the ui layer. Qt draws them
# through its SVG icon engine and image format plugins (Debian: libqt6svg6,
# which qt6-svg-dev brings in), so the build requires Qt's SVG module.
find_package(Qt6 REQUIRED COMPONENTS Svg)
target_sources(lumbra_ui PRIVATE ${CMAKE_SOURCE_DIR}/resources/icons.qrc)
set_target_properties(lumbra_ui PROPERTIES AUTORCC ON)
