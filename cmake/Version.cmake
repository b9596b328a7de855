# The program's version: major and minor from project() (BuildConfig.h), the
# revision from git. The revision header is rewritten at every build when the
# count of commits moved, so a build after a new commit shows the new
# revision without a reconfigure; only base/ProgramInfo.cpp includes it.
include(${CMAKE_CURRENT_LIST_DIR}/GitRevision.cmake)

set(LUMBRA_REVISION_DIR ${CMAKE_BINARY_DIR}/revision)
set(LUMBRA_REVISION_HEADER ${LUMBRA_REVISION_DIR}/ProgramRevision.h)
file(MAKE_DIRECTORY ${LUMBRA_REVISION_DIR})
add_custom_target(lumbra_revision
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUTPUT=${LUMBRA_REVISION_HEADER}
            -P ${CMAKE_CURRENT_LIST_DIR}/WriteRevision.cmake
    BYPRODUCTS ${LUMBRA_REVISION_HEADER}
    COMMENT "Reading the revision"
    VERBATIM)
add_dependencies(lumbra_base lumbra_revision)
target_include_directories(lumbra_base PRIVATE ${LUMBRA_REVISION_DIR})

# At configure time, for the package's version number.
lumbra_git_revision(LUMBRA_REVISION ${CMAKE_SOURCE_DIR})
set(LUMBRA_VERSION_FULL ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${LUMBRA_REVISION})

add_test(NAME lumbra_revision_header
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                 -DWORK_DIR=${CMAKE_BINARY_DIR}/revision-test
                 -P ${CMAKE_CURRENT_LIST_DIR}/RevisionTest.cmake)
