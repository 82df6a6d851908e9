// Feeds arbitrary bytes to the element and attribute search and the path-data parser the way
// a file is read: once as given and once after the spaces are normalised.
#include "tatami2d/svg/SVGParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>

namespace {

// A failure leaves a cleared result; a success gives only outlines of finite points.
void Check(const std::string& text) {
    std::vector<std::vector<Pos2f>> outlines;
    bool sound = SVGParser::GetVerticesFromSvgString(text, outlines) || outlines.empty();
    for (const std::vector<Pos2f>& outline : outlines) {
        sound = sound && !outline.empty();
        for (const Pos2f& point : outline) {
            sound = sound && std::isfinite(point.x) && std::isfinite(point.y);
        }
    }
    if (!sound) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The parser reports every refusal on std::cerr; at thousands of inputs a second that would
    // drown libFuzzer's own output (written through stdio) and slow the run.
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Check(text);
    SVGParser::RemoveSpaces(text);
    std::string twice = text;
    SVGParser::RemoveSpaces(twice);
    if (twice != text) {
        std::abort(); // normalising twice changes nothing more
    }
    Check(text);
    SVGParser::GetAttributeValue(text, "viewBox", twice);
    return 0;
}
