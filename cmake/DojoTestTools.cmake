# What the tests and benchmarks need beyond the game's own packages. A missing tool skips the
# tests that need it, with a message, so that the project configures and builds wherever the
# game does. With DOJO_REQUIRE_TEST_TOOLS on (the dev and sanitize presets, which CI runs after
# installing every tool), a missing tool stops the configuration instead: no test may be
# skipped there unnoticed.
option(DOJO_REQUIRE_TEST_TOOLS "Stop the configuration when a test or benchmark tool is missing"
    OFF)

# dojo_missing_tools(<what> <missing...>): reports that <what> cannot be built or run.
function(dojo_missing_tools what)
    list(JOIN ARGN ", " missing)
    if(DOJO_REQUIRE_TEST_TOOLS)
        message(FATAL_ERROR "${missing} not found, needed for ${what}; `./setup.sh test` "
            "installs every tool (or configure with -DDOJO_REQUIRE_TEST_TOOLS=OFF to skip them)")
    endif()
    message(STATUS "Skipping ${what}: ${missing} not found")
endfunction()

# dojo_find_programs(<result-var> <what> <program...>): <result-var> is true when every program
# is on the PATH, which is where the test scripts call them from; otherwise <what> is reported
# as skipped. Each program's path is cached as DOJO_PROGRAM_<name>.
function(dojo_find_programs result what)
    set(missing "")
    foreach(program IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER "DOJO_PROGRAM_${program}" variable)
        find_program(${variable} ${program} NO_CMAKE_SYSTEM_PATH)
        if(NOT ${variable})
            list(APPEND missing ${program})
        endif()
    endforeach()
    if(missing)
        dojo_missing_tools("${what}" ${missing})
        set(${result} FALSE PARENT_SCOPE)
    else()
        set(${result} TRUE PARENT_SCOPE)
    endif()
endfunction()
