// Feeds arbitrary bytes to the element and attribute search and the path-data parser the way
// a file is read: once as given and once after the spaces are normalised.
#include "FuzzChecks.h"
#include "tatami2d/svg/SVGParser.h"

namespace {

// A failure leaves a cleared result; a success gives only outlines of finite points.
void Check(const std::string& text) {
    std::vector<std::vector<Pos2f>> outlines;
    Require(SVGParser::GetVerticesFromSvgString(text, outlines) || outlines.empty());
    for (const std::vector<Pos2f>& outline : outlines) {
        Require(!outline.empty() && AllFinite(outline));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Check(text);
    SVGParser::RemoveSpaces(text);
    std::string twice = text;
    SVGParser::RemoveSpaces(twice);
    Require(twice == text); // normalising twice changes nothing more
    Check(text);
    SVGParser::GetAttributeValue(text, "viewBox", twice);
    return 0;
}
