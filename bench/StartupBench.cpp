// Start-up of the game against a minimal program with the same SDL/GL/media set-up: all
// are started as processes that end at their first buffer swap, on SDL's offscreen video
// driver. Reports the median wall time from spawn to first swap, the median CPU time (all
// threads, user and system; steadier than wall time on a busy machine) and the median
// peak memory of each, and their ratios against the bare program.
//
// Each round starts every program once, in an order that rotates from round to round, so
// all meet the same load. Other builds of the game may be named on the command line
// (after the benchmark's own flags) to be timed in the same rounds, e.g. before and after
// a change; their figures are suffixed _1, _2, ...
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

struct Run {
    double seconds = 0.0;
    double cpuSeconds = 0.0;
    double maxRssMb = 0.0;
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

Run StartUntilFirstSwap(const std::string& executable) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("LD_PRELOAD", FIRST_SWAP_EXIT, 1);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(executable.c_str()), nullptr};
    Run run;
    if (posix_spawn(&pid, executable.c_str(), nullptr, nullptr, argv, environ) != 0) {
        unsetenv("LD_PRELOAD");
        return run;
    }
    unsetenv("LD_PRELOAD");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    return (*middle + *std::max_element(values.begin(), middle)) / 2.0;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    std::vector<double> megabytes;
};

std::vector<std::string> extraGames;

void BM_StartupGameAgainstMinimal(benchmark::State& state) {
    std::vector<Program> programs{{"minimal", MINIMAL_STARTUP, {}, {}, {}},
                                  {"primitives", MINIMAL_FIRST_FRAME, {}, {}, {}},
                                  {"game", NUMERAL_DOJO, {}, {}, {}}};
    for (std::size_t i = 0; i < extraGames.size(); ++i) {
        programs.push_back({"game_" + std::to_string(i + 1), extraGames[i], {}, {}, {}});
    }
    std::size_t round = 0;
    for (auto _ : state) {
        double gameSeconds = 0.0;
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(k + round) % programs.size()];
            const Run run = StartUntilFirstSwap(program.path);
            program.seconds.push_back(run.seconds);
            program.cpuSeconds.push_back(run.cpuSeconds);
            program.megabytes.push_back(run.maxRssMb);
            if (&program == &programs[2]) {
                gameSeconds = run.seconds;
            }
        }
        state.SetIterationTime(gameSeconds);
        ++round;
    }
    const double minimalSeconds = Median(programs[0].seconds);
    const double minimalCpu = Median(programs[0].cpuSeconds);
    const double minimalMb = Median(programs[0].megabytes);
    for (const Program& program : programs) {
        const double seconds = Median(program.seconds);
        const double cpuSeconds = Median(program.cpuSeconds);
        const double megabytes = Median(program.megabytes);
        state.counters[program.name + "_ms"] = 1000.0 * seconds;
        state.counters[program.name + "_cpu_ms"] = 1000.0 * cpuSeconds;
        state.counters[program.name + "_MB"] = megabytes;
        if (&program != &programs[0]) {
            state.counters[program.name + "/minimal_time"] = seconds / minimalSeconds;
            state.counters[program.name + "/minimal_cpu"] = cpuSeconds / minimalCpu;
            state.counters[program.name + "/minimal_MB"] = megabytes / minimalMb;
        }
    }
}

} // namespace

BENCHMARK(BM_StartupGameAgainstMinimal)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    extraGames.assign(argv + 1, argv + argc);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
