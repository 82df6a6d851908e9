#include <cstdlib>

#include <gtest/gtest.h>

// Leaks reported from inside the graphics stack, not from this project: Mesa's llvmpipe
// keeps compiled shader variants and screen state in process-wide caches until exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libLLVM\nleak:libgallium\nleak:swrast_dri\nleak:libGLX_mesa\nleak:libEGL_mesa\n"
           "leak:libglapi\n";
}

// SDL and Mesa unload their drivers at shutdown, after which a leak report can no longer
// name the module an allocation came from. Keeping every library mapped lets the
// suppressions above match driver code by name; nothing in a test relies on unloading.
extern "C" int dlclose(void* /*handle*/) {
    return 0;
}

int main(int argc, char** argv) {
    // In-process tests need no display and no sound card; a caller may still choose.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
