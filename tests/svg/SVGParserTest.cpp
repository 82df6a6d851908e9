#include "svg/SVGParser.h"

#include <random>
#include <utility>

#include <gtest/gtest.h>

namespace {

using Points = std::vector<std::pair<float, float>>;

struct Parsed {
    bool ok;
    Points points;
    std::string messages;
};

// Parses after a sentinel point, which must survive, and returns what went to stderr.
Parsed Parse(const std::string& data) {
    std::vector<Pos2f> vertices{Pos2f{-1.0f, -1.0f}};
    testing::internal::CaptureStderr();
    Parsed parsed{SVGParser::GetVerticesFromPathData(data, vertices), {}, {}};
    parsed.messages = testing::internal::GetCapturedStderr();
    for (size_t i = 1; i < vertices.size(); ++i) {
        parsed.points.emplace_back(vertices[i].x, vertices[i].y);
    }
    return parsed;
}

} // namespace

TEST(SVGPathData, ReadsStraightSegmentsRepeatedArgumentsAndSubpaths) {
    EXPECT_EQ(Parse("M 0,0 H 10 V 10 h -10 z").points,
              (Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    EXPECT_EQ(Parse("M 0,0 L 1,0 L 1,1 Z M 5,5 L 6,5 L 6,6 Z").points.size(), 6u);
    // Pairs after a moveto are segments, relative for m; a moveto in an open subpath draws.
    EXPECT_EQ(Parse("m 10,10 20,0 0,20 M 1.5.5-2e1,3\n\tm1 1").points,
              (Points{{10, 10}, {30, 10}, {30, 30}, {1.5f, 0.5f}, {-20, 3}, {-19, 4}}));
    // A close returns the current point to the subpath's start, which a relative move uses.
    EXPECT_EQ(Parse("M 10,10 l 5,0 0,5 z m 1,1 l 1,0").points,
              (Points{{10, 10}, {15, 10}, {15, 15}, {11, 11}, {12, 11}}));

    std::string many = "M 0 0";
    for (int i = 0; i < 50000; ++i) {
        many += " l 1,0";
    }
    const Parsed parsed = Parse(many);
    ASSERT_EQ(parsed.points.size(), 50001u);
    EXPECT_EQ(parsed.points.back().first, 50000.0f);
}

TEST(SVGPathData, ReportsMissingMovetoOrValueAndGoesOn) {
    Parsed parsed = Parse("M 10");
    EXPECT_EQ(parsed.messages, "SVGParser::SkipSvgComma, expected comma or whitespace\n");
    EXPECT_EQ(parsed.points, (Points{{10, 0}}));

    parsed = Parse("L 10,10 H 3 z v 4");
    EXPECT_EQ(parsed.messages, "SVGParser::NextSvgPoint, expected 'M' or 'm' command\n"
                               "SVGParser::NextSvgCoordX, expected 'M' or 'm' command\n"
                               "SVGParser::NextSvgCoordY, expected 'M' or 'm' command\n");
    EXPECT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.points, (Points{{10, 10}, {3, 10}, {0, 4}}));
}

TEST(SVGPathData, RefusesCurvesUnknownCommandsAndUnreadableDataAppendingNothing) {
    EXPECT_EQ(Parse("M 0,0 C 1,1 2,2 3,3").messages,
              "SVGParser::GetVerticesFromPathData,  beziers are not supported.\nHave another "
              "look at the guide, or select all nodes in inkscape and press shift + L\n");
    EXPECT_EQ(Parse("M 0,0 Q 1,1 2,2").messages,
              "SVGParser::GetVerticesFromPathData, Q is not a supported SVG command");
    EXPECT_EQ(Parse("10,10").messages, std::string("SVGParser::GetVerticesFromPathData, ") + '\0' +
                                           " is not a supported SVG command");
    // None of these may stall the parser on a character it cannot consume.
    for (const char* data : {"M 0,0 C 1,1 2,2 3,3", "M 0 0 A 1", "10,10", "M 1,,2", "M 0 0 H 5, 6",
                             "M 0 0 L 1 # 2", "M 0 0 Z 5 5", "M 0 0 z,", "M 1e999 0", "M 0 1e999",
                             "M 0 0 H -1e999", "M 0 1e", "M -", "M 0 0 L 1 2 . 3", "M 0 0 x"}) {
        const Parsed parsed = Parse(data);
        EXPECT_FALSE(parsed.ok) << data;
        EXPECT_TRUE(parsed.points.empty()) << data;
    }
}

TEST(SVGRemoveSpaces, GivesTheSameTextAsRepeatedReplacement) {
    const auto slow = [](std::string text) {
        for (const char* pattern : {" =", "= ", " >", "< "}) {
            for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern)) {
                text.erase(pattern[0] == ' ' ? at : at + 1, 1);
            }
        }
        return text;
    };
    std::mt19937 random{20240611u};
    const std::string alphabet = " =<>a\t";
    for (int round = 0; round < 20000; ++round) {
        std::string input(random() % 25, ' ');
        for (char& c : input) {
            c = alphabet[random() % alphabet.size()];
        }
        std::string fast = input;
        SVGParser::RemoveSpaces(fast);
        ASSERT_EQ(fast, slow(input)) << '[' << input << ']';
    }
}

TEST(SVGElements, LooksForTheBareTagFirstWithoutFallingBack) {
    std::string content = "kept";
    size_t start = 0;
    size_t end = 0;
    EXPECT_FALSE(SVGParser::GetElementContent("<path d=\"1\"/><path>", "path", content, start, end))
        << "a bare tag without its end marker does not fall back to the attribute form";
    EXPECT_EQ(content, "kept");
    const std::string svg = R"(<path id="a" d="1"/><path> d="3"<path/>)";
    ASSERT_TRUE(SVGParser::GetElementContent(svg, "path", content, start, end));
    EXPECT_EQ(content, R"( d="3")") << "the bare tag is looked for first";
    EXPECT_EQ(svg.substr(start, end - start), content);
}

TEST(SVGString, ReadsEveryPathElementInOrder) {
    std::vector<std::vector<Pos2f>> outlines{{{7, 7}}};
    EXPECT_TRUE(SVGParser::GetVerticesFromSvgString(
        R"(<g><path id="a" d="M 1 2"/><path d="M 3 4 5 6" id="dd"/></g>)", outlines));
    ASSERT_EQ(outlines.size(), 3u) << "outlines already present stay";
    EXPECT_EQ(outlines[2][1].y, 6.0f);
    // A "<path" inside an element's attributes is not a further element.
    outlines.clear();
    EXPECT_TRUE(SVGParser::GetVerticesFromSvgString(R"(<path id="<path" d="M 1 1"/>)", outlines));
    EXPECT_EQ(outlines.size(), 1u);
}

TEST(SVGString, ReportsEachFailureAndClearsTheResult) {
    const std::string noD =
        "SVGParser::GetVerticesFromSvgString(..), path element doesn't contain a d-attribute.\n ";
    const std::pair<const char*, std::string> cases[] = {
        {R"(<path d="M 0 0"/><path id="b"/>)", noD},
        {"<path\td=\"M 0 0\"/>", noD},
        {R"(<path d="M 0 0"/><path d=""/>)",
         "Empty verticesVector in GetVerticesFromSvgString(..), "
         "no vertices found in the path element\n"},
        {R"(<path d="M 0 0"/><path d="M 1 1"></path>)",
         "SVGParser::GetVerticesFromSvgString(..), path element isn't terminated.\n"},
        {R"(<path d="M 0,0 Q 1,1 2,2"/>)",
         "SVGParser::GetVerticesFromPathData, Q is not a supported SVG command"
         "SVGParser::GetVerticesFromSvgString(..), error while extracting vertices from the path. "
         "\n"},
    };
    for (const auto& [svg, message] : cases) {
        std::vector<std::vector<Pos2f>> outlines{{{7, 7}}};
        testing::internal::CaptureStderr();
        EXPECT_FALSE(SVGParser::GetVerticesFromSvgString(svg, outlines)) << svg;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), message) << svg;
        EXPECT_TRUE(outlines.empty()) << svg;
    }
}
