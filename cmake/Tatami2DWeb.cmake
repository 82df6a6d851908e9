# Web builds (Emscripten) of Tatami2D and everything linked with it: the static SDL2, its
# add-ons, HarfBuzz and FreeType from tools/cross/build-libs.sh web, linked by full path, the
# add-ons before what they call; and the browser's OpenGL, a WebGL 1 context behind Emscripten's
# fixed-function emulation.
set(prefix ${DOJO_CROSS_PREFIX})
add_library(tatami2d_web_media INTERFACE)
target_include_directories(tatami2d_web_media SYSTEM INTERFACE
    ${prefix}/include ${prefix}/include/SDL2)
target_link_libraries(tatami2d_web_media INTERFACE
    ${prefix}/lib/libSDL2_ttf.a ${prefix}/lib/libSDL2_image.a ${prefix}/lib/libSDL2_mixer.a
    ${prefix}/lib/libharfbuzz.a ${prefix}/lib/libfreetype.a ${prefix}/lib/libSDL2.a)
# SDL's audio resumes the browser's audio context at the first click or key, and calls back
# into the program, with these two; read from a file, as a '$' would not survive the
# makefiles' shell.
set(libraryFunctions ${CMAKE_BINARY_DIR}/tatami2d-web-library-functions.json)
file(WRITE ${libraryFunctions} "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
target_link_options(tatami2d_web_media INTERFACE
    -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0 -sMAX_WEBGL_VERSION=1
    # Fonts and images are decoded into memory that grows as they come.
    -sALLOW_MEMORY_GROWTH=1
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${libraryFunctions})
