// Loading time of SVG files of about 1, 4 and 16 MB, as an editor saves them (thousands of
// paths, spaces around every "="), beside a baseline that only reads the same file line by
// line. Loading should grow linearly: 16 MB should take about 16 times as long as 1 MB.
#include "tatami2d/svg/SVGParser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

std::string MakeSvg(size_t targetBytes) {
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

// Generated once per size and removed when the run ends.
std::map<int, std::string>& GeneratedFiles() {
    static std::map<int, std::string> paths;
    return paths;
}

const std::string& SvgFileOf(int megabytes) {
    std::string& path = GeneratedFiles()[megabytes];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("dojo-svgbench-" + std::to_string(megabytes) + "MB.svg"))
                   .string();
        std::ofstream{path, std::ios::binary}
            << MakeSvg(static_cast<size_t>(megabytes * kMegabyte));
    }
    return path;
}

void BM_Baseline_ReadLines(benchmark::State& state) {
    const std::string& path = SvgFileOf(static_cast<int>(state.range(0)));
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
    const std::string& path = SvgFileOf(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_LoadSvgFile)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

// Prints MB/s for each size, each load as a multiple of reading the same file, and each
// load's time as a multiple of the 1 MB load's. CPU time, so that other processes on the
// machine do not skew the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                seconds[run.benchmark_name()] =
                    run.cpu_accumulated_time / static_cast<double>(run.iterations);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto oneMegabyte = seconds.find("BM_LoadSvgFile/1");
        if (oneMegabyte == seconds.end()) {
            return;
        }
        std::printf("\n%-8s %10s %10s %12s %12s\n", "file", "load MB/s", "read MB/s", "x read only",
                    "x 1 MB load");
        for (const int megabytes : {1, 4, 16}) {
            const std::string suffix = "/" + std::to_string(megabytes);
            const auto load = seconds.find("BM_LoadSvgFile" + suffix);
            const auto read = seconds.find("BM_Baseline_ReadLines" + suffix);
            if (load == seconds.end() || read == seconds.end()) {
                continue;
            }
            const double size =
                static_cast<double>(std::filesystem::file_size(SvgFileOf(megabytes))) / kMegabyte;
            std::printf("%-8s %10.1f %10.1f %12.1f %12.1f\n",
                        (std::to_string(megabytes) + " MB").c_str(), size / load->second,
                        size / read->second, load->second / read->second,
                        load->second / oneMegabyte->second);
        }
        std::printf("(linear growth puts the 16 MB load near 16 x the 1 MB load; 20 x at most)\n");
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
