# Runs one fuzzer for a bounded time on a fresh copy of its seed corpus, so the repository's
# seeds stay as committed. libFuzzer exits non-zero on a crash, leak, timeout, memory blow-up
# or (with recovery off) any sanitizer report, and that fails the test.
#   cmake -DFUZZER=<exe> -DSEEDS=<dir> -DWORK=<dir> -DSECONDS=<n> -DDICT=<file> -P RunFuzzer.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SEEDS}/" DESTINATION "${WORK}")
get_filename_component(workParent "${WORK}" DIRECTORY)
execute_process(
    COMMAND "${FUZZER}" "${WORK}" -dict=${DICT} -max_total_time=${SECONDS} -timeout=10
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=${workParent}/
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); a reproducer is in ${workParent}")
endif()
