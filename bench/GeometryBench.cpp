// Costs of the polygon and ray queries per vertex and of mapping point arrays, each beside
// a baseline that touches the same data with a plain loop, and the heap allocations each
// query makes per call (only a raycast that hits should allocate).
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/render/PolygonQueries.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

using namespace tatami2d;

namespace {
std::atomic<long> gAllocations{0};
} // namespace

// The replacements below pair malloc with free; once GCC inlines them it sees a pointer from
// operator new reach free and warns, although the pair is consistent.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc{};
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}

namespace {

// A regular polygon of radius 100 around the origin, counter-clockwise.
std::vector<Pos2f> MakePolygon(size_t n) {
    std::vector<Pos2f> polygon;
    polygon.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        const float angle = 6.2831853f * static_cast<float>(k) / static_cast<float>(n);
        polygon.emplace_back(100.0f * std::cos(angle), 100.0f * std::sin(angle));
    }
    return polygon;
}

void SetPerItem(benchmark::State& state, size_t itemsPerIteration) {
    state.counters["ns_per_item"] = benchmark::Counter(
        static_cast<double>(itemsPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Heap allocations made by one call of f.
template <typename F>
long AllocationsOf(F f) {
    const long before = gAllocations.load();
    f();
    return gAllocations.load() - before;
}

void PrintAllocationsPerCall() {
    const std::vector<Pos2f> polygon = MakePolygon(256);
    std::vector<Pos2f> out(polygon.size());
    const Matrix2x3 matrix = Matrix2x3::CreateRotationMatrix(30.0f);
    HitInfo hit;
    std::printf("heap allocations per call (256 vertices):\n");
    std::printf("  IsPointInPolygon         %ld\n", AllocationsOf([&] {
                    benchmark::DoNotOptimize(util2d::IsPointInPolygon(Pos2f{3.0f, 7.0f}, polygon));
                }));
    std::printf("  Raycast, two hits        %ld\n", AllocationsOf([&] {
                    util2d::Raycast(polygon, Pos2f{-150.0f, 3.0f}, Pos2f{150.0f, 3.0f}, hit);
                }));
    std::printf("  Raycast, miss            %ld\n", AllocationsOf([&] {
                    util2d::Raycast(polygon, Pos2f{-150.0f, 120.0f}, Pos2f{150.0f, 120.0f}, hit);
                }));
    const Disc2f disc{0.0f, 0.0f, 10.0f};
    std::printf("  IsOverlapping poly/disc  %ld\n", AllocationsOf([&] {
                    benchmark::DoNotOptimize(util2d::IsOverlapping(polygon, disc));
                }));
    std::printf("  Matrix2x3 array form     %ld\n", AllocationsOf([&] {
                    matrix.Transform(polygon.data(), out.data(), polygon.size());
                }));
}

void BM_Baseline_SumVertices(benchmark::State& state) {
    const std::vector<Pos2f> polygon = MakePolygon(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.data());
        float sum = 0.0f;
        for (const Pos2f& v : polygon) {
            sum += v.x + v.y;
        }
        benchmark::DoNotOptimize(sum);
    }
    SetPerItem(state, polygon.size());
}

void BM_IsPointInPolygon(benchmark::State& state) {
    const std::vector<Pos2f> polygon = MakePolygon(static_cast<size_t>(state.range(0)));
    const Pos2f inside{3.0f, 7.0f};
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.data());
        benchmark::DoNotOptimize(util2d::IsPointInPolygon(inside, polygon));
    }
    SetPerItem(state, polygon.size());
}

// A horizontal ray: the box test rejects all but the two edges it crosses.
void BM_Raycast_Horizontal(benchmark::State& state) {
    const std::vector<Pos2f> polygon = MakePolygon(static_cast<size_t>(state.range(0)));
    HitInfo hit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.data());
        benchmark::DoNotOptimize(
            util2d::Raycast(polygon, Pos2f{-150.0f, 3.0f}, Pos2f{150.0f, 3.0f}, hit));
    }
    SetPerItem(state, polygon.size());
}

// A diagonal ray whose box covers the whole polygon: every edge gets the exact test.
void BM_Raycast_Diagonal(benchmark::State& state) {
    const std::vector<Pos2f> polygon = MakePolygon(static_cast<size_t>(state.range(0)));
    HitInfo hit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.data());
        benchmark::DoNotOptimize(
            util2d::Raycast(polygon, Pos2f{-150.0f, -140.0f}, Pos2f{150.0f, 145.0f}, hit));
    }
    SetPerItem(state, polygon.size());
}

// A ray that misses: the hit list stays empty and nothing is allocated.
void BM_Raycast_Miss(benchmark::State& state) {
    const std::vector<Pos2f> polygon = MakePolygon(static_cast<size_t>(state.range(0)));
    HitInfo hit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.data());
        benchmark::DoNotOptimize(
            util2d::Raycast(polygon, Pos2f{-150.0f, 120.0f}, Pos2f{150.0f, 120.0f}, hit));
    }
    SetPerItem(state, polygon.size());
}

constexpr size_t kPointCount = 10000;

void BM_Baseline_CopyPoints(benchmark::State& state) {
    const std::vector<Pos2f> points = MakePolygon(kPointCount);
    std::vector<Pos2f> out(kPointCount);
    for (auto _ : state) {
        benchmark::DoNotOptimize(points.data());
        for (size_t i = 0; i < kPointCount; ++i) {
            out[i] = points[i];
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    SetPerItem(state, kPointCount);
}

void BM_Matrix2x3_TransformArray(benchmark::State& state) {
    const std::vector<Pos2f> points = MakePolygon(kPointCount);
    std::vector<Pos2f> out(kPointCount);
    const Matrix2x3 matrix = Matrix2x3::CreateTranslationMatrix(3.0f, -2.0f) *
                             Matrix2x3::CreateRotationMatrix(30.0f) *
                             Matrix2x3::CreateScalingMatrix(1.5f);
    for (auto _ : state) {
        benchmark::DoNotOptimize(points.data());
        matrix.Transform(points.data(), out.data(), kPointCount);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    SetPerItem(state, kPointCount);
}

BENCHMARK(BM_Baseline_SumVertices)->Arg(16)->Arg(256)->Arg(4096);
BENCHMARK(BM_IsPointInPolygon)->Arg(16)->Arg(256)->Arg(4096);
BENCHMARK(BM_Raycast_Horizontal)->Arg(16)->Arg(256)->Arg(4096);
BENCHMARK(BM_Raycast_Diagonal)->Arg(16)->Arg(256)->Arg(4096);
BENCHMARK(BM_Raycast_Miss)->Arg(16)->Arg(256)->Arg(4096);
BENCHMARK(BM_Baseline_CopyPoints);
BENCHMARK(BM_Matrix2x3_TransformArray);

// Prints each case's time per item as a multiple of its baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the output is meant to be pasted into reports.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = run.counters.find("ns_per_item");
            if (found != run.counters.end() && run.run_type == Run::RT_Iteration) {
                nsPerItem[run.benchmark_name()] = found->second.value * 1e9;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-40s %12s %10s\n", "case", "ns/item", "x baseline");
        for (const auto& [name, ns] : nsPerItem) {
            const std::string baseline = BaselineOf(name);
            const auto base = nsPerItem.find(baseline);
            if (base == nsPerItem.end() || name == baseline) {
                continue;
            }
            std::printf("%-40s %12.3f %10.1f\n", name.c_str(), ns, ns / base->second);
        }
    }

private:
    static std::string BaselineOf(const std::string& name) {
        if (name.rfind("BM_Matrix2x3", 0) == 0) {
            return "BM_Baseline_CopyPoints";
        }
        const size_t slash = name.find('/');
        return slash == std::string::npos ? std::string{}
                                          : "BM_Baseline_SumVertices" + name.substr(slash);
    }

    std::map<std::string, double> nsPerItem;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    PrintAllocationsPerCall();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
