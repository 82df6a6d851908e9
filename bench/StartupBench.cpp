// Start-up of the game against a minimal program with the same SDL/GL/media set-up: both
// are started as processes that end at their first buffer swap, on SDL's offscreen video
// driver. Reports wall time from spawn to first swap and peak memory, and their ratios.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

struct Run {
    double seconds = 0.0;
    long maxRssKb = 0;
};

Run StartUntilFirstSwap(const char* executable) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("LD_PRELOAD", FIRST_SWAP_EXIT, 1);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(executable), nullptr};
    Run run;
    if (posix_spawn(&pid, executable, nullptr, nullptr, argv, environ) != 0) {
        unsetenv("LD_PRELOAD");
        return run;
    }
    unsetenv("LD_PRELOAD");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxRssKb = usage.ru_maxrss;
    return run;
}

struct Totals {
    double seconds = 0.0;
    long maxRssKb = 0;

    void Add(const Run& run) {
        seconds += run.seconds;
        maxRssKb = std::max(maxRssKb, run.maxRssKb);
    }
};

// Each iteration starts the two baselines and then the game, so all meet the same load.
void BM_StartupGameAgainstMinimal(benchmark::State& state) {
    Totals minimal;
    Totals primitives;
    Totals game;
    for (auto _ : state) {
        minimal.Add(StartUntilFirstSwap(MINIMAL_STARTUP));
        primitives.Add(StartUntilFirstSwap(MINIMAL_FIRST_FRAME));
        const Run run = StartUntilFirstSwap(NUMERAL_DOJO);
        game.Add(run);
        state.SetIterationTime(run.seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    const auto megabytes = [](const Totals& t) { return static_cast<double>(t.maxRssKb) / 1024.0; };
    state.counters["minimal_ms"] = 1000.0 * minimal.seconds / n;
    state.counters["primitives_ms"] = 1000.0 * primitives.seconds / n;
    state.counters["game_ms"] = 1000.0 * game.seconds / n;
    state.counters["game/minimal"] = game.seconds / minimal.seconds;
    state.counters["game/primitives"] = game.seconds / primitives.seconds;
    state.counters["minimal_MB"] = megabytes(minimal);
    state.counters["primitives_MB"] = megabytes(primitives);
    state.counters["game_MB"] = megabytes(game);
}

} // namespace

BENCHMARK(BM_StartupGameAgainstMinimal)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
