# Every target of ours compiles with the same warnings; CI turns them into errors.
function(tavrio_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TAVRIO_WARNINGS_AS_ERRORS}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                               $<$<BOOL:${TAVRIO_WARNINGS_AS_ERRORS}>:-Werror>)
        # GCC 12 at -O3 takes std::string assignments of short literals for overlapping copies
        # (GCC bug 105329), which would clutter every release build with false warnings.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
