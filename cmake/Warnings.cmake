# Every target of ours compiles clean under -Wall -Wextra; warnings are errors so they cannot pile up.
function(soravane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
