#include <cstdlib>

#include <gtest/gtest.h>

// Leaks from inside the graphics stack: llvmpipe keeps shaders and screen state until exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libLLVM\nleak:libgallium\nleak:swrast_dri\nleak:libGLX_mesa\nleak:libEGL_mesa\n"
           "leak:libglapi\n";
}

// Libraries stay mapped so that the suppressions above still match driver code by name after
// SDL and Mesa unload their drivers at shutdown; no test relies on unloading.
extern "C" int dlclose(void* /*handle*/) {
    return 0;
}

int main(int argc, char** argv) {
    // No display or sound card needed; a caller may still choose.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
