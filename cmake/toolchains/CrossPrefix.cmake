# Where the cross-built libraries of a target are: DOJO_CROSS_PREFIX (a cache variable or the
# environment), else the prefix tools/cross/build-libs.sh builds or finds cached.
macro(dojo_cross_prefix target)
    if(NOT DOJO_CROSS_PREFIX AND DEFINED ENV{DOJO_CROSS_PREFIX})
        set(DOJO_CROSS_PREFIX "$ENV{DOJO_CROSS_PREFIX}")
    endif()
    if(NOT DOJO_CROSS_PREFIX)
        execute_process(
            COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../../tools/cross/build-libs.sh ${target}
            OUTPUT_VARIABLE dojoCrossPrefix
            OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE dojoCrossResult)
        if(NOT dojoCrossResult EQUAL 0)
            message(FATAL_ERROR "tools/cross/build-libs.sh ${target} failed")
        endif()
        set(DOJO_CROSS_PREFIX "${dojoCrossPrefix}" CACHE PATH "Prefix of the cross-built libraries")
    endif()
    # The checks CMake compiles in projects of their own read the toolchain file again; the
    # environment carries the prefix into them as well.
    list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DOJO_CROSS_PREFIX)
    set(ENV{DOJO_CROSS_PREFIX} "${DOJO_CROSS_PREFIX}")
endmacro()
