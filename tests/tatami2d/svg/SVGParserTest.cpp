#include "tatami2d/svg/SVGParser.h"

#include <random>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

namespace {

// The result, the points appended after a sentinel ("x,y x,y") and what went to stderr. A
// refusal must append nothing.
using Parsed = std::tuple<bool, std::string, std::string>;

Parsed Parse(const std::string& data) {
    std::vector<Pos2f> vertices{Pos2f{-1.0f, -1.0f}};
    testing::internal::CaptureStderr();
    const bool ok = SVGParser::GetVerticesFromPathData(data, vertices);
    EXPECT_TRUE(ok || vertices.size() == 1) << data;
    std::ostringstream points;
    for (size_t i = 1; i < vertices.size(); ++i) {
        points << (i > 1 ? " " : "") << vertices[i].x << ',' << vertices[i].y;
    }
    return {ok, points.str(), testing::internal::GetCapturedStderr()};
}

} // namespace

TEST(SVGPathData, ReadsStraightSegmentsReportsMissingPartsAndRefusesCurves) {
    const std::string pathData = "SVGParser::GetVerticesFromPathData, ";
    const std::pair<const char*, Parsed> cases[] = {
        {"M 0,0 H 10 V 10 h -10 z", {true, "0,0 10,0 10,10 0,10", ""}},
        // A close returns the current point to the subpath's start, where a relative move starts.
        {"M 10,10 l 5,0 0,5 z m 1,1 l 1,0", {true, "10,10 15,10 15,15 11,11 12,11", ""}},
        {"M 1.5.5-2e1,3\n\tm1 1", {true, "1.5,0.5 -20,3 -19,4", ""}},
        {"M 10", {true, "10,0", "SVGParser::SkipSvgComma, expected comma or whitespace\n"}},
        {"L 10,10", {true, "10,10", "SVGParser::NextSvgPoint, expected 'M' or 'm' command\n"}},
        {"M 0,0 Q 1,1 2,2", {false, "", pathData + "Q is not a supported SVG command"}},
        {"M 0,0 C 1,1 2,2 3,3",
         {false, "",
          pathData + " beziers are not supported.\nHave another look at the guide, or select all "
                     "nodes in inkscape and press shift + L\n"}},
    };
    for (const auto& [data, expected] : cases) {
        EXPECT_EQ(Parse(data), expected) << data;
    }
}

TEST(SVGPathData, RefusesUnreadableDataWithoutStallingOrAppending) {
    for (const char* data : {"M 0 0 A 1", "10,10", "M 1,,2", "M 0 0 H 5, 6", "M 0 0 L 1 # 2",
                             "M 0 0 Z 5 5", "M 0 0 z,", "M 1e999 0", "M 0 1e999", "M 0 0 H -1e999",
                             "M 0 1e", "M -", "M 0 0 L 1 2 . 3", "M 0 0 x", "m 3e38,0 3e38,0",
                             "M 0 0 h 3e38 3e38", "M 0 -3e38 v -3e38", "M 3e38 0 l 3e38 1"}) {
        EXPECT_FALSE(std::get<0>(Parse(data))) << data;
    }
}

TEST(SVGRemoveSpaces, GivesTheSameTextAsRepeatedReplacement) {
    std::mt19937 random{20240611u};
    for (int round = 0; round < 20000; ++round) {
        std::string input;
        for (auto length = random() % 25; length > 0; --length) {
            input += " =<>a\t"[random() % 6];
        }
        std::string expected = input;
        for (const char* pattern : {" =", "= ", " >", "< "}) {
            for (size_t at = 0; (at = expected.find(pattern)) != std::string::npos;) {
                expected.erase(pattern[0] == ' ' ? at : at + 1, 1);
            }
        }
        SVGParser::RemoveSpaces(input);
        ASSERT_EQ(input, expected);
    }
}
