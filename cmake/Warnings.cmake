# Every target of ours compiles clean under -Wall -Wextra; warnings are errors so they cannot pile up.
# C and C++ only: a target's resource script goes to windres, which has no such flags.
function(soravane_warnings target)
    target_compile_options(${target} PRIVATE
        "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Wpedantic;-Werror>")
endfunction()
