// Feeds arbitrary bytes to the SVG loader as a d attribute's value, and as a file's text to the
// element and attribute search, once as given and once with its spaces normalised.
#include "tatami2d/app/Log.h"
#include "tatami2d/svg/SVGParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tatami2d;

namespace {

// A crash makes libFuzzer keep the input.
void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool AllFinite(const std::vector<Pos2f>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const Pos2f& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// A failure leaves a cleared result; a success gives only outlines of finite points.
void CheckText(const std::string& text) {
    std::vector<std::vector<Pos2f>> outlines;
    Require(SVGParser::GetVerticesFromSvgString(text, outlines) || outlines.empty());
    for (const std::vector<Pos2f>& outline : outlines) {
        Require(!outline.empty() && AllFinite(outline));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // Every refusal the parser reports would drown libFuzzer's output and slow it.
    SetLogSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    // Points are only appended, a refusal appends none, and none lies beyond the float range.
    std::vector<Pos2f> points{Pos2f{-1.0f, -1.0f}};
    const bool ok = SVGParser::GetVerticesFromPathData(text, points);
    Require(points.front().x == -1.0f && (ok || points.size() == 1) && AllFinite(points));
    CheckText(text);
    SVGParser::RemoveSpaces(text);
    std::string twice = text;
    SVGParser::RemoveSpaces(twice);
    Require(twice == text); // normalising twice changes nothing more
    CheckText(text);
    SVGParser::GetAttributeValue(text, "viewBox", twice);
    return 0;
}
