// Feeds arbitrary bytes to the path-data parser as the value of a d attribute.
#include "FuzzChecks.h"
#include "tatami2d/svg/SVGParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<Pos2f> points{Pos2f{-1.0f, -1.0f}};
    const bool ok = SVGParser::GetVerticesFromPathData(
        std::string(reinterpret_cast<const char*>(data), size), points);
    // Points are only appended, a refusal appends none, and none lies beyond the float range.
    Require(!points.empty() && points.front().x == -1.0f && (ok || points.size() == 1) &&
            AllFinite(points));
    return 0;
}
