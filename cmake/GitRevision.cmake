# lumbra_git_revision(VAR SOURCE_DIR): the count of commits of the checkout in
# SOURCE_DIR, or 0 when it is no git checkout (or git is missing).
function(lumbra_git_revision var source_dir)
    set(revision 0)
    find_program(LUMBRA_GIT git)
    if(LUMBRA_GIT)
        execute_process(COMMAND ${LUMBRA_GIT} -C ${source_dir} rev-list --count HEAD
                        OUTPUT_VARIABLE count OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE failed ERROR_QUIET)
        if(NOT failed AND count MATCHES "^[0-9]+$")
            set(revision ${count})
        endif()
    endif()
    set(${var} ${revision} PARENT_SCOPE)
endfunction()
