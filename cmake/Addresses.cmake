# No address of the build (LUMBRA_*_URL) may carry a user name or password:
# it would end up in the binary, the metainfo and every log line that names
# the address. The message names the variable, never its value.
get_cmake_property(lumbra_cache_variables CACHE_VARIABLES)
list(FILTER lumbra_cache_variables INCLUDE REGEX "^LUMBRA_.*_URL$")
foreach(variable ${lumbra_cache_variables})
    if("${${variable}}" MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://[^/?#]*@")
        message(FATAL_ERROR "${variable} carries a user name or password; give the address "
                            "without them")
    endif()
endforeach()
