# Run at every build (cmake -P): writes the revision header, touching it only
# when the revision changed, so an unchanged build recompiles nothing.
#   -DSOURCE_DIR=... -DOUTPUT=.../ProgramRevision.h
include(${CMAKE_CURRENT_LIST_DIR}/GitRevision.cmake)
lumbra_git_revision(revision ${SOURCE_DIR})
set(text "#pragma once\n\n// Written at build time; the count of commits, 0 outside git.\ninline constexpr int kProgramRevision = ${revision};\n")
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
    file(WRITE ${OUTPUT} "${text}")
endif()
