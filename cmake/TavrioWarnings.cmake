# Every target of ours compiles with the same warnings; CI turns them into errors.
function(tavrio_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TAVRIO_WARNINGS_AS_ERRORS}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                               $<$<BOOL:${TAVRIO_WARNINGS_AS_ERRORS}>:-Werror>)
    endif()
endfunction()
