// Feeds arbitrary bytes to the path-data parser as the value of a d attribute.
#include "QuietErrorStream.h"
#include "tatami2d/svg/SVGParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    SilenceErrorStream();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string pathData(reinterpret_cast<const char*>(data), size);
    std::vector<Pos2f> points{Pos2f{-1.0f, -1.0f}};
    const bool ok = SVGParser::GetVerticesFromPathData(pathData, points);
    if (points.empty() || points.front().x != -1.0f || (!ok && points.size() != 1)) {
        std::abort(); // points are only ever appended, and a refusal appends none
    }
    for (const Pos2f& point : points) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
            std::abort(); // a point beyond the float range is refused
        }
    }
    return 0;
}
