// Preloaded into a program to end it at its first buffer swap, so that the time from
// process start to the first frame can be measured from outside.
#include <unistd.h>

struct SDL_Window;

extern "C" void SDL_GL_SwapWindow(SDL_Window* /*window*/) {
    _exit(0);
}
