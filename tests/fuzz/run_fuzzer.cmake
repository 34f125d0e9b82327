# Runs one libFuzzer target for a bounded time, as a ctest test:
#   cmake -DFUZZER=<program> -DWORK_DIR=<dir> -DSEEDS=<dir>|<dir> -DSECONDS=<n> -P run_fuzzer.cmake
# Inputs the fuzzer finds go to a scratch corpus in WORK_DIR (inside the build tree), crash
# reproducers to WORK_DIR/artifacts; the seed folders are only read. Missing seed folders are
# left out.
foreach(setting FUZZER WORK_DIR SECONDS)
    if(NOT DEFINED ${setting})
        message(FATAL_ERROR "run_fuzzer.cmake needs -D${setting}=...")
    endif()
endforeach()

set(corpus ${WORK_DIR}/corpus)
set(artifacts ${WORK_DIR}/artifacts)
file(MAKE_DIRECTORY ${corpus} ${artifacts})

string(REPLACE "|" ";" seed_candidates "${SEEDS}")
set(seed_dirs)
foreach(dir IN LISTS seed_candidates)
    if(IS_DIRECTORY ${dir})
        list(APPEND seed_dirs ${dir})
    endif()
endforeach()

# The largest picture the bitmap decoder accepts takes 192 MiB; no single allocation may be
# larger than 256 MiB, so a tiny file that makes the decoder ask for more stops the run.
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=1024
            -malloc_limit_mb=256
            -artifact_prefix=${artifacts}/ -print_final_stats=1 ${corpus} ${seed_dirs}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); reproducers are in ${artifacts}")
endif()
