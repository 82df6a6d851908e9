// Loading time of SVG files of about 1, 4 and 16 MB beside a baseline that only reads the
// editor-shaped file line by line. Loading should grow linearly: 16 MB should take about 16
// times as long as 1 MB, for the editor's shape (thousands of paths, spaces around every "=")
// and for hostile shapes that make a careless element search rescan or copy the rest of the
// file once per element.
#include "tatami2d/svg/SVGParser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

using namespace tatami2d;

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

std::string MakeEditorSvg(size_t targetBytes) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg\n   width = \"1000mm\"\n   height = \"1000mm\"\n"
                      "   viewBox = \"0 0 1000 1000\"\n"
                      "   xmlns = \"http://www.w3.org/2000/svg\">\n";
    svg.reserve(targetBytes + 1024);
    for (size_t n = 0; svg.size() < targetBytes; ++n) {
        if (n % 50 == 0) {
            svg += n == 0 ? "  <g\n" : "  </g>\n  <g\n";
            svg += "     id = \"layer" + std::to_string(n / 50) + "\" >\n";
        }
        const std::string x = std::to_string(n % 900) + "." + std::to_string(n % 97);
        const std::string y = std::to_string((n * 7) % 900) + ".25";
        svg += "    <path\n       id = \"path" + std::to_string(n) +
               "\"\n       class = \"shape dark\"\n"
               "       style = \"fill:none;stroke:#000000;stroke-width:0.26\"\n"
               "       d = \"M " +
               x + "," + y + " l 3.5,0 0,4.75 h -2 v 1.5 L " + y + "," + x +
               " z m 1,1 l 1.5,0 0,1.5 z\" />\n";
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

// `head`, then `unit` repeated up to `targetBytes`, then `tail`.
std::string Repeat(const std::string& head, const std::string& unit, size_t targetBytes,
                   const std::string& tail) {
    std::string svg = head;
    svg.reserve(targetBytes + head.size() + tail.size() + unit.size());
    while (svg.size() < targetBytes) {
        svg += unit;
    }
    return svg + tail;
}

const std::string kRoot = "<svg viewBox=\"0 0 9 9\">";

// Element starts with no end until the last one: every element reads the one d attribute.
std::string MakeOpenTags(size_t targetBytes) {
    return Repeat(kRoot, "<path ", targetBytes, " d=\"M 0 0\"/></svg>");
}

// Elements with their own data and no end until half the file later.
std::string MakeLongElement(size_t targetBytes) {
    return Repeat(kRoot, "<path d=\"M 1 2\"", targetBytes / 2,
                  Repeat(" ", "x=\"0\" ", targetBytes / 2, "/></svg>"));
}

// One element holding all the data.
std::string MakeLongData(size_t targetBytes) {
    return Repeat(kRoot + "<path d=\"M 0 0", " L 1 1", targetBytes, "\"/></svg>");
}

struct Shape {
    const char* name;
    std::string (*make)(size_t);
};
const Shape kShapes[] = {{"editor", MakeEditorSvg},
                         {"open tags", MakeOpenTags},
                         {"long element", MakeLongElement},
                         {"long data", MakeLongData}};

// Generated once per shape and size and removed when the run ends.
std::map<std::pair<int, int>, std::string>& GeneratedFiles() {
    static std::map<std::pair<int, int>, std::string> paths;
    return paths;
}

const std::string& SvgFileOf(int shape, int megabytes) {
    std::string& path = GeneratedFiles()[{shape, megabytes}];
    if (path.empty()) {
        path =
            (std::filesystem::temp_directory_path() / ("dojo-svgbench-" + std::to_string(shape) +
                                                       "-" + std::to_string(megabytes) + "MB.svg"))
                .string();
        std::ofstream{path, std::ios::binary}
            << kShapes[shape].make(static_cast<size_t>(megabytes * kMegabyte));
    }
    return path;
}

void BM_Baseline_ReadLines(benchmark::State& state) {
    const std::string& path = SvgFileOf(0, static_cast<int>(state.range(0)));
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        std::ifstream in{path};
        std::string text;
        std::string line;
        while (std::getline(in, line)) {
            text += line;
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_LoadSvgFile(benchmark::State& state) {
    const std::string& path =
        SvgFileOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    size_t outlines = 0;
    for (auto _ : state) {
        std::vector<std::vector<Pos2f>> vertices;
        if (!SVGParser::GetVerticesFromSvgFile(path, vertices)) {
            state.SkipWithError("the generated file did not load");
            break;
        }
        outlines = vertices.size();
        benchmark::DoNotOptimize(vertices.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["paths"] = static_cast<double>(outlines);
}

BENCHMARK(BM_Baseline_ReadLines)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSvgFile)->ArgsProduct({{0, 1, 2, 3}, {1, 4, 16}})->Unit(benchmark::kMillisecond);

// Whether a run ended without a time to report. The benchmark library's newer interface (1.8)
// replaced a run's `error_occurred` flag with a `skipped` state; whichever member the installed
// headers declare is read, the first overload winning when both would do.
template <typename BenchmarkRun>
auto RunHasNoTime(const BenchmarkRun& run, int) -> decltype(static_cast<bool>(run.skipped)) {
    return static_cast<bool>(run.skipped);
}
template <typename BenchmarkRun>
bool RunHasNoTime(const BenchmarkRun& run, long) {
    return run.error_occurred;
}

// Prints MB/s for each shape and size, each load as a multiple of reading the editor-shaped
// file of that size, and each load's time as a multiple of the 1 MB load's of its shape. CPU
// time, so that other processes on the machine do not skew the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With --benchmark_repetitions the median stands for the size.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration || median) && !RunHasNoTime(run, 0) &&
                run.iterations > 0) {
                seconds[run.run_name.str()] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-14s %-8s %10s %12s %12s\n", "shape", "file", "load MB/s", "x read only",
                    "x 1 MB load");
        for (int shape = 0; shape < static_cast<int>(std::size(kShapes)); ++shape) {
            const std::string name = "BM_LoadSvgFile/" + std::to_string(shape) + "/";
            const auto oneMegabyte = seconds.find(name + "1");
            for (const int megabytes : {1, 4, 16}) {
                const auto load = seconds.find(name + std::to_string(megabytes));
                const auto read =
                    seconds.find("BM_Baseline_ReadLines/" + std::to_string(megabytes));
                if (load == seconds.end() || read == seconds.end() ||
                    oneMegabyte == seconds.end()) {
                    continue;
                }
                const double size =
                    static_cast<double>(std::filesystem::file_size(SvgFileOf(shape, megabytes))) /
                    kMegabyte;
                std::printf("%-14s %-8s %10.1f %12.1f %12.1f\n", kShapes[shape].name,
                            (std::to_string(megabytes) + " MB").c_str(), size / load->second,
                            load->second / read->second, load->second / oneMegabyte->second);
            }
        }
        std::printf("(linear growth puts each 16 MB load near 16 x its 1 MB load; 20 x at most)\n");
    }

private:
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const auto& generated : GeneratedFiles()) {
        std::error_code ignored;
        std::filesystem::remove(generated.second, ignored);
    }
    return 0;
}
