# LUMBRA_SANITIZE: a clang build with AddressSanitizer and
# UndefinedBehaviorSanitizer, for `./dev test --asan` and `./dev fuzz`.
# All code is instrumented for libFuzzer as well (fuzzer-no-link), so the
# same build tree serves the test suite and the fuzz targets; only the fuzz
# targets link libFuzzer itself.
option(LUMBRA_SANITIZE "Build with ASan + UBSan, instrumented for libFuzzer (clang only)" OFF)

if(LUMBRA_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "LUMBRA_SANITIZE needs clang (configure with CXX=clang++)")
    endif()
    # Undefined behaviour stops the program, so a test that meets it fails.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Fuzz targets exist with clang only: tests/<layer>/fuzz/<Name>Fuzz.cpp
# becomes the executable fuzz/<Name>Fuzz, linked to that layer's library.
# With LUMBRA_SANITIZE, a test runs each target once over its seeds in
# tests/fuzz/<Name>/.
function(lumbra_fuzz_targets layer)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/fuzz/*Fuzz.cpp)
    foreach(source ${sources})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE lumbra_${layer})
        target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
        set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/${name})
        if(LUMBRA_SANITIZE AND EXISTS ${seeds})
            add_test(NAME ${name}.Seeds COMMAND ${name} -runs=0 ${seeds})
            set_tests_properties(${name}.Seeds PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
        endif()
    endforeach()
endfunction()
