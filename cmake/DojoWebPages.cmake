# The web pages of the game and the examples: each program linked into an HTML page of its own
# (with its .js, .wasm and the .data that holds its files), from packaging/web/page.html.in.
#
# dojo_web_page(<target> TITLE <text> INTRO <html> | INTRO_FILE <file> [ICON <url>]
#               [FILES <source>@<path in the page>...])
# The page shows TITLE as its heading, the INTRO (or INTRO_FILE's) HTML under the canvas and
# ICON (none by default) in the browser's tab, and preloads each FILES entry where the program
# reads it (paths relative to its working folder, the page's root).
function(dojo_web_page target)
    cmake_parse_arguments(P "" "TITLE;INTRO;INTRO_FILE;ICON" "FILES" ${ARGN})
    set(PAGE_TITLE "${P_TITLE}")
    set(PAGE_ICON "data:,")
    if(P_ICON)
        set(PAGE_ICON "${P_ICON}")
    endif()
    set(PAGE_INTRO "${P_INTRO}")
    if(P_INTRO_FILE)
        file(READ ${P_INTRO_FILE} PAGE_INTRO)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${P_INTRO_FILE})
    endif()
    set(shell ${CMAKE_CURRENT_BINARY_DIR}/${target}-page.html)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/web/page.html.in ${shell} @ONLY)
    set(options --shell-file ${shell} -sMINIFY_HTML=0 -sENVIRONMENT=web)
    set(depends ${shell})
    foreach(file IN LISTS P_FILES)
        string(REGEX REPLACE "@.*$" "" source "${file}")
        list(APPEND options "SHELL:--preload-file ${file}")
        list(APPEND depends ${source})
    endforeach()
    target_link_options(${target} PRIVATE ${options})
    set_target_properties(${target} PROPERTIES SUFFIX .html LINK_DEPENDS "${depends}")
endfunction()
