#include "tatami2d/svg/SVGParser.h"

#include "../math/ValueText.h"
#include "support/AllocationCounter.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tatami2d;

class SVG : public testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }

    // Runs `load` with stderr kept in `messages` and every allocation over `limit` bytes failing.
    template <class Operation>
    bool Quietly(Operation load, size_t limit = SIZE_MAX) {
        testing::internal::CaptureStderr();
        LimitAllocationSize(limit);
        const bool ok = load();
        LimitAllocationSize(SIZE_MAX);
        messages = testing::internal::GetCapturedStderr();
        return ok;
    }

    // Writes `content` to the scratch file and loads `file` (by default that one).
    bool Load(const std::string& content, const std::string& file = "", size_t limit = SIZE_MAX) {
        std::ofstream{path, std::ios::binary} << content;
        const std::string& name = file.empty() ? path : file;
        return Quietly([&] { return SVGParser::GetVerticesFromSvgFile(name, outlines); }, limit);
    }

    bool Parse(const std::string& data, size_t limit = SIZE_MAX) {
        outlines = {{{-1, -1}}};
        return Quietly([&] { return SVGParser::GetVerticesFromPathData(data, outlines[0]); },
                       limit);
    }

    // The outlines as "x,y x,y | x,y | ".
    std::string Points() const {
        std::string points;
        for (const std::vector<Pos2f>& outline : outlines) {
            points += ValueText(outline) + "| ";
        }
        return points;
    }

    const std::string path = testing::TempDir() + "SVG_" + std::to_string(getpid()) + ".svg";
    std::vector<std::vector<Pos2f>> outlines;
    std::string messages;
};

TEST_F(SVG, PathDataGivesStraightSegmentsReportsMissingPartsAndRefusesTheRest) {
    const std::string pathData = "SVGParser::GetVerticesFromPathData, ";
    const std::string noMove = "SVGParser::NextSvgPoint, expected 'M' or 'm' command\n";
    // The points appended after the one already there (none on a refusal), then the messages.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"M 0,0 H 10 V 10 h -10 z", "0,0 10,0 10,10 0,10 ", ""},
        // A close returns the current point to the subpath's start, where a relative move starts.
        {"M 10,10 l 5,0 0,5 z m 1,1 l 1,0", "10,10 15,10 15,15 11,11 12,11 ", ""},
        {"M 1.5.5-2e1,3\n\tm1 1", "1.5,0.5 -20,3 -19,4 ", ""},
        // Pairs after a move are lines; a line straight after a close starts from the close.
        {"M 1,1 2,2 z m 5,5 z l 1,0", "1,1 2,2 6,6 7,6 ", noMove},
        {"M 10", "10,0 ", "SVGParser::SkipSvgComma, expected comma or whitespace\n"},
        {"L 10,10", "10,10 ", noMove},
        {"M 0,0 Q 1,1 2,2", "", pathData + "Q is not a supported SVG command"},
        {"M 0,0 C 1,1 2,2 3,3", "",
         pathData + " beziers are not supported.\nHave another look at the guide, or select all "
                    "nodes in inkscape and press shift + L\n"},
    };
    for (const auto& [data, points, message] : cases) {
        EXPECT_EQ(Parse(data), !points.empty()) << data;
        EXPECT_EQ(Points() + messages, "-1,-1 " + points + "| " + message) << data;
    }
    // Unreadable data, however it ends, and points beyond the float range.
    for (const char* data : {"M 0 0 A 1", "10,10", "M 1,,2", "M 0 0 H 5, 6", "M 0 0 L 1 # 2",
                             "M 0 0 Z 5 5", "M 0 0 z,", "M 1e999 0", "M 0 1e999", "M 0 0 H -1e999",
                             "M 0 1e", "M -", "M 0 0 L 1 2 . 3", "M 0 0 x", "m 3e38,0 3e38,0",
                             "M 0 0 h 3e38 3e38", "M 0 -3e38 v -3e38", "M 3e38 0 l 3e38 1"}) {
        EXPECT_FALSE(Parse(data)) << data;
        EXPECT_EQ(Points(), "-1,-1 | ") << data;
    }
}

// On a miss the content, positions and value keep what they held. Runs of spaces go from both
// sides of "=", after "<" and before ">"; tabs and other spaces stay.
TEST_F(SVG, SearchesGiveTheContentAndTheValueOrLeaveThemAloneAndSpacesCloseUp) {
    std::string spaced = "x  =  'b' < <  path d =\"1\"  / >  >\t= <\t";
    SVGParser::RemoveSpaces(spaced);
    EXPECT_EQ(spaced, "x='b' <<path d=\"1\"  />>\t=<\t");
    const std::string svg = "<svg a='1'><path d='M 0 0'/><path>x<path/></svg>";
    // Text, where the search starts, and what the element search and attribute a give.
    const std::tuple<std::string, size_t, std::string, std::string> cases[] = {
        {svg, 0, "x 34 35", "1"},
        {svg, 36, "- 36 99", "1"},                   // past the last tag
        {"<path>x</path> a=\"1'", 0, "- 0 99", "-"}, // a bare tag ends only bare; quotes differ
        {"<path d=1 a=1", 0, "- 0 99", "-"},         // no end marker, no quotes
        {"<pat/> b='1'", 0, "- 0 99", "-"},
    };
    for (const auto& [text, from, element, value] : cases) {
        std::string content = "-", attribute = "-";
        size_t start = from, end = 99;
        EXPECT_EQ(SVGParser::GetElementContent(text, "path", content, start, end),
                  element[0] != '-');
        EXPECT_EQ(SVGParser::GetAttributeValue(text, "a", attribute), value != "-");
        EXPECT_EQ(content + " " + std::to_string(start) + " " + std::to_string(end), element);
        EXPECT_EQ(attribute, value) << text;
    }
}

TEST_F(SVG, FilesGiveEveryPathElementFlippedByTheViewBoxHeight) {
    const std::string root = "<svg viewBox = \"0 0 100 100\">";
    // Content or file, then messages (none) and points: the outline (0, 1) there stays, flipped.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // viewBox 10 20 210 120: y becomes 120 - y, and the origin plays no part.
        {"", "tests/tatami2d/svg/data/editor.svg",
         "0,119 | 20,90 60,90 60,50 20,50 | 100,70 110,70 110,60 100,60 130,70 140,70 140,60 "
         "130,60 | "},
        // Closing tags with children, single quotes, attributes over CR LF lines, a comment.
        {"", "tests/tatami2d/svg/data/icon.svg", "0,23 | 2,22 22,22 22,2 2,2 | 8,16 16,16 16,8 | "},
        // A search resumes in the previous element, so "<path" inside one is one more; " d" is
        // not the d of id="dd"; lines are joined without their CR LF.
        {root + "\r\n<path id=\"<path\" d = \"m 10,10\r\n 20,0 0,20 z\"/><path id=\"dd\" "
                "d=\"M 3 4\"/>\r\n",
         "", "0,99 | 10,90 30,90 30,70 | 10,90 30,90 30,70 | 3,96 | "},
        // An element ends at its closing tag when that comes before any "/>".
        {root + "<path d=\"M 0 0 L 1 0\"></path><path d=\"M 5 5\"></path><rect/></svg>", "",
         "0,99 | 0,100 1,100 | 5,95 | "},
        // A start tag with no end that the root's close follows is only a mention.
        {root + "<path d=\"M 1 2\"/><!-- old <path --></svg>", "", "0,99 | 1,98 | "},
    };
    for (const auto& [content, file, expected] : cases) {
        outlines = {{{0, 1}}};
        EXPECT_TRUE(Load(content, file)) << content << file;
        EXPECT_EQ(messages + Points(), expected) << content << file;
    }
    // Read in blocks of 64 KiB into one allocation: the last element is whole however they fall.
    for (const size_t size : {65535, 65536, 65537, 720897}) {
        const std::string last = "<path d=\"M 1 2\"/>";
        std::string content = root + "<!--";
        content += std::string(size - content.size() - last.size() - 3, '-') + "-->" + last;
        outlines.clear();
        EXPECT_TRUE(Load(content, "", 1 << 20)) << size;
        EXPECT_EQ(Points(), "1,98 | ") << size;
    }
}

TEST_F(SVG, MalformedFilesAreRefusedWithTheirMessagesAndAClearedResult) {
    const std::string file = "SVGParser::GetVerticesFromSvgFile(..), ";
    const std::string malformed = file + "malformed or unsupported information in file " + path;
    const std::string svgString = "SVGParser::GetVerticesFromSvgString(..), ";
    const std::string noD = svgString + "path element doesn't contain a d-attribute.\n ";
    std::string nested = "<svg viewBox=\"0 0 9 9\">";
    while (nested.size() < 6000) {
        nested += "<path ";
    }
    const std::pair<std::string, std::string> cases[] = {
        {"", "Empty vertices in GetVerticesFromSvgString(..), no path element(s) found\n"},
        {R"(<path d="M 0 0"/><path id="b"/>)", noD},
        {"<path\td=\"M 0 0\"/>", noD},
        // The file ends inside an element.
        {R"(<svg viewBox="0 0 9 9"><path d="M 0 0"/><path d="M 1 1"><title>cut)",
         svgString + "path element isn't terminated.\n"},
        {R"(<path d=""/>)", "Empty verticesVector in GetVerticesFromSvgString(..), no vertices "
                            "found in the path element\n"},
        {R"(<path d="M 0,0 Q 1,1 2,2"/>)",
         "SVGParser::GetVerticesFromPathData, Q is not a supported SVG command" + svgString +
             "error while extracting vertices from the path. \n"},
        // Each element would read the data again, far beyond the size of the file.
        {nested + " d=\"M 0 0 L 1 1\"/></svg>",
         svgString + "path elements nested in one another read the same data too often.\n"},
        // The flip leaves the float range.
        {R"(<svg viewBox="0 0 0 3e38"><path d="M 0 -3e38"/></svg>)", ""},
    };
    for (const auto& [content, message] : cases) {
        // Outlines already present would count as found in an empty file.
        outlines.assign(content.empty() ? 0 : 1, {{1, 1}});
        const std::string shown = content.substr(0, 80);
        EXPECT_FALSE(Load(content)) << shown;
        EXPECT_EQ(messages + Points(), message + malformed + "\n") << shown; // and no outlines
    }
    EXPECT_FALSE(Load(R"(<svg><path d="M 1 1"/></svg>)"));
    EXPECT_EQ(messages + Points(), file + "no viewbox information found in " + path + "\n");
}

#ifndef _WIN32 // FIFOs, alarms and device files are POSIX matters
TEST_F(SVG, WhatCannotBeReadIsRefusedWithoutBlockingAndLeavesTheResultUntouched) {
    const std::string fifo = path + ".fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string hops = "<svg viewBox=\"0 0 9 9\"><path d=\"M 5 5\"/><path d=\"M 0 0";
    while (hops.size() < 800000) {
        hops += " h 1";
    }
    hops += "\"/></svg>";
    // A loader that read /dev/null like a file would read /dev/zero without end; one that opened
    // the FIFO would wait for a writer (the alarm ends the test). Last, with allocations over
    // 1 MiB failing, memory runs out for a file's text, and for an outline.
    const std::pair<std::string, std::string> cases[] = {
        {path + ".missing", ""}, {testing::TempDir(), ""},          {"/dev/null", ""}, {fifo, ""},
        {"/dev/zero", ""},       {path, std::string(2 << 20, ' ')}, {path, hops}};
    for (const auto& [file, content] : cases) {
        outlines = {{{1, 1}}};
        alarm(60);
        EXPECT_FALSE(Load(content, file, content.empty() ? SIZE_MAX : 1 << 20)) << file;
        alarm(0);
        EXPECT_EQ(messages + Points(), "SVGParser::GetVerticesFromSvgFile(..), failed to load "
                                       "vertices from file " +
                                           file + "\n1,1 | ");
    }
    std::remove(fifo.c_str());
    // The string operation reports it in its own name, and clears the result.
    EXPECT_FALSE(
        Quietly([&] { return SVGParser::GetVerticesFromSvgString(hops, outlines); }, 1 << 20));
    EXPECT_EQ(messages + Points(), "SVGParser::GetVerticesFromSvgString(..), out of memory\n");
    EXPECT_FALSE(Parse(hops.substr(hops.rfind('M')), 1 << 20)); // leaves the point there alone
    EXPECT_EQ(messages + Points(), "SVGParser::GetVerticesFromPathData, out of memory\n-1,-1 | ");
}
#endif
