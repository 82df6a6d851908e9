# Windows builds (mingw-w64) of Tatami2D and everything linked with it.
#
# The programs stay console programs with their own main(): SDL's pkg-config file asks for
# its WinMain wrapper (SDL2main, mingw32's WinMain-calling main, main renamed to SDL_main)
# and for the GUI subsystem (-mwindows). Those are taken out of the imported SDL targets.
function(tatami2d_use_own_main target)
    get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
    list(FILTER libraries EXCLUDE REGEX "SDL2main|mingw32")
    set_target_properties(${target} PROPERTIES INTERFACE_LINK_LIBRARIES "${libraries}")
    foreach(property INTERFACE_LINK_OPTIONS INTERFACE_COMPILE_OPTIONS)
        get_target_property(options ${target} ${property})
        if(options)
            list(FILTER options EXCLUDE REGEX "^-mwindows$|^-Dmain=SDL_main$")
            set_target_properties(${target} PROPERTIES ${property} "${options}")
        endif()
    endforeach()
    target_compile_definitions(${target} INTERFACE SDL_MAIN_HANDLED)
endfunction()
