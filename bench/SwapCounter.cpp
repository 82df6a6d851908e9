// Preloaded into the game to count its buffer swaps. On SIGUSR1 it writes "swaps <n>" to
// stderr, so a script can take the frame rate over any stretch of a run without the game
// knowing.
#include <atomic>
#include <csignal>
#include <dlfcn.h>
#include <unistd.h>

struct SDL_Window;

namespace {

std::atomic<unsigned long> swaps{0};

// Only async-signal-safe calls here: the digits are formatted by hand.
void WriteCount(int /*signal*/) {
    char text[32] = "swaps ";
    char digits[24];
    int length = 0;
    unsigned long value = swaps.load(std::memory_order_relaxed);
    do {
        digits[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    int end = 6;
    while (length > 0) {
        text[end++] = digits[--length];
    }
    text[end++] = '\n';
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, static_cast<size_t>(end));
}

[[gnu::constructor]] void InstallHandler() {
    std::signal(SIGUSR1, WriteCount);
}

} // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    using Swap = void (*)(SDL_Window*);
    static const auto next = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    next(window);
    swaps.fetch_add(1, std::memory_order_relaxed);
}
