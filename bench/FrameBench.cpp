// The cost of one frame of the game (Game::Draw plus the buffer swap) against an empty
// frame (clear plus swap) in the same context, vertical sync off. Process CPU time counts
// the renderer's worker threads too, which do the rasterising on a machine without a GPU.
// Frames alternate, empty then game, so both meet the same load; medians resist the odd
// frame that another process delays. Both run with the heap setting the game's main makes
// (RetainFreedHeap); with --heap=default they run on the C library's own settings instead.
#include "game/Game.h"
#include "tatami2d/app/Heap.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

#include <GL/glu.h>
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

using namespace tatami2d;
using namespace dojo;

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A window and context set up as the game's core sets them up, without vertical sync.
struct Context {
    Context() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
        window = SDL_CreateWindow("bench", 0, 0, 1350, 345, SDL_WINDOW_OPENGL);
        context = SDL_GL_CreateContext(window);
        SDL_GL_SetSwapInterval(0);
        glMatrixMode(GL_PROJECTION);
        gluOrtho2D(0.0, 1350.0, 0.0, 345.0);
        glViewport(0, 0, 1350, 345);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        IMG_Init(IMG_INIT_PNG);
        TTF_Init();
    }
    ~Context() {
        TTF_Quit();
        IMG_Quit();
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void EmptyFrame(SDL_Window* window) {
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
}

// Each iteration draws one empty frame and one game frame, so both meet the same load.
void BM_GameFrameAgainstEmptyFrame(benchmark::State& state) {
    Context gl;
    auto game = std::make_unique<Game>(WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, false});
    std::vector<double> emptyCpu;
    std::vector<double> gameCpu;
    emptyCpu.reserve(static_cast<std::size_t>(state.max_iterations));
    gameCpu.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const double t0 = CpuSeconds();
        EmptyFrame(gl.window);
        glFinish();
        const double t1 = CpuSeconds();
        game->Update(0.016f);
        game->Draw();
        SDL_GL_SwapWindow(gl.window);
        glFinish();
        const double t2 = CpuSeconds();
        emptyCpu.push_back(t1 - t0);
        gameCpu.push_back(t2 - t1);
    }
    const double empty = Median(emptyCpu);
    const double frame = Median(gameCpu);
    state.counters["empty_frame_us"] = 1e6 * empty;
    state.counters["game_frame_us"] = 1e6 * frame;
    state.counters["ratio"] = frame / empty;
    game.reset();
}

} // namespace

BENCHMARK(BM_GameFrameAgainstEmptyFrame)->Iterations(500)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    bool retainFreedHeap = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--heap=default") == 0) {
            retainFreedHeap = false;
        }
    }
    // As the game's main does, before anything of the frame is made.
    if (retainFreedHeap) {
        RetainFreedHeap();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("heap",
                                retainFreedHeap ? "freed memory kept" : "C library default");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
