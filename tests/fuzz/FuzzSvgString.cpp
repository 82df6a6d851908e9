// Feeds arbitrary bytes to the element and attribute search and the path-data parser the way
// a file is read: once as given and once after the spaces are normalised.
#include "QuietErrorStream.h"
#include "tatami2d/svg/SVGParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(const std::string& text) {
    std::vector<std::vector<Pos2f>> outlines;
    if (!SVGParser::GetVerticesFromSvgString(text, outlines)) {
        if (!outlines.empty()) {
            std::abort(); // every failure leaves a cleared result
        }
        return;
    }
    for (const std::vector<Pos2f>& outline : outlines) {
        if (outline.empty()) {
            std::abort(); // an element that gives no point is refused
        }
        for (const Pos2f& point : outline) {
            if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
                std::abort(); // a point beyond the float range is refused
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    SilenceErrorStream();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Check(text);

    SVGParser::RemoveSpaces(text);
    const std::string normalised = text;
    SVGParser::RemoveSpaces(text);
    if (text != normalised) {
        std::abort(); // normalising twice changes nothing more
    }
    Check(text);

    std::string viewBox;
    SVGParser::GetAttributeValue(text, "viewBox", viewBox);
    return 0;
}
