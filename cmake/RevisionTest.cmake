# ctest lumbra_revision_header: the revision header says 0 for a source
# outside git and the count of commits for this checkout.
#   -DSOURCE_DIR=... -DWORK_DIR=...
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/outside)
# git must not find the checkout around the build folder.
set(ENV{GIT_CEILING_DIRECTORIES} ${WORK_DIR})

function(expect_revision source expected)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${source}
                            -DOUTPUT=${WORK_DIR}/ProgramRevision.h
                            -P ${CMAKE_CURRENT_LIST_DIR}/WriteRevision.cmake
                    RESULT_VARIABLE failed)
    file(READ ${WORK_DIR}/ProgramRevision.h header)
    if(failed OR NOT header MATCHES "kProgramRevision = ${expected};")
        message(FATAL_ERROR "${source}: expected revision ${expected}, got:\n${header}")
    endif()
endfunction()

expect_revision(${WORK_DIR}/outside 0)
unset(ENV{GIT_CEILING_DIRECTORIES})
execute_process(COMMAND git -C ${SOURCE_DIR} rev-list --count HEAD
                OUTPUT_VARIABLE count OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_git)
if(NOT no_git)
    expect_revision(${SOURCE_DIR} ${count})
endif()
file(REMOVE_RECURSE ${WORK_DIR})
