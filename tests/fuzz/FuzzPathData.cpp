// Feeds arbitrary bytes to the path-data parser as the value of a d attribute.
#include "tatami2d/svg/SVGParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The parser reports every refusal on std::cerr; at thousands of inputs a second that would
    // drown libFuzzer's own output (written through stdio) and slow the run.
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<Pos2f> points{Pos2f{-1.0f, -1.0f}};
    const bool ok = SVGParser::GetVerticesFromPathData(
        std::string(reinterpret_cast<const char*>(data), size), points);
    // Points are only appended, a refusal appends none, and none lies beyond the float range.
    bool sound = !points.empty() && points.front().x == -1.0f && (ok || points.size() == 1);
    for (const Pos2f& point : points) {
        sound = sound && std::isfinite(point.x) && std::isfinite(point.y);
    }
    if (!sound) {
        std::abort();
    }
    return 0;
}
