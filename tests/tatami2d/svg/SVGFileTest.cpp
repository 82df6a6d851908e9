#include "tatami2d/svg/SVGParser.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

class SVGFile : public testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }

    // Writes `content` to the scratch file, loads `file` (by default that one) and keeps stderr.
    bool Load(const std::string& content, const std::string& file = "") {
        std::ofstream{path, std::ios::binary} << content;
        testing::internal::CaptureStderr();
        const bool ok = SVGParser::GetVerticesFromSvgFile(file.empty() ? path : file, outlines);
        messages = testing::internal::GetCapturedStderr();
        return ok;
    }

    std::string Points() const {
        std::ostringstream points;
        for (const std::vector<Pos2f>& outline : outlines) {
            for (const Pos2f& point : outline) {
                points << point.x << ',' << point.y << ' ';
            }
            points << "| ";
        }
        return points.str();
    }

    const std::string path = testing::TempDir() + "SVGFile_" + std::to_string(getpid()) + ".svg";
    std::vector<std::vector<Pos2f>> outlines;
    std::string messages;
};

TEST_F(SVGFile, ReadsEveryPathElementAndFlipsByTheViewBoxHeight) {
    // viewBox 10 20 210 120: y becomes 120 - y, and the origin plays no part.
    ASSERT_TRUE(Load("", "tests/tatami2d/svg/data/editor.svg")) << messages;
    EXPECT_EQ(messages, "");
    EXPECT_EQ(Points(), "20,90 60,90 60,50 20,50 | "
                        "100,70 110,70 110,60 100,60 130,70 140,70 140,60 130,60 | ");
    // Lines are joined without their CR LF; " d" is not the d of id="dd"; a "<path" inside an
    // element is not a further one; outlines already present stay, and are flipped too.
    outlines = {{{0, 1}}};
    ASSERT_TRUE(Load("<svg viewBox = \"0 0 100 100\">\r\n<path id=\"<path\" d = \"m 10,10\r\n"
                     " 20,0 0,20 z\"/><path id=\"dd\" d=\"M 3 4\"/>\r\n"));
    EXPECT_EQ(Points(), "0,99 | 10,90 30,90 30,70 | 3,96 | ");
}

TEST_F(SVGFile, RefusesUnreadableFilesWithTheirMessagesAndClearsTheResult) {
    const std::string file = "SVGParser::GetVerticesFromSvgFile(..), ";
    for (const std::string& missing : {path + ".missing", testing::TempDir()}) {
        outlines = {{{1, 1}}};
        EXPECT_FALSE(Load("", missing));
        EXPECT_EQ(messages, file + "failed to load vertices from file " + missing + "\n");
        EXPECT_EQ(outlines.size(), 1u) << "left untouched";
    }
    const std::string malformed = file + "malformed or unsupported information in file " + path;
    const std::string svgString = "SVGParser::GetVerticesFromSvgString(..), ";
    const std::string noD = svgString + "path element doesn't contain a d-attribute.\n ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "Empty vertices in GetVerticesFromSvgString(..), no path element(s) found\n"},
        {R"(<path d="M 0 0"/><path id="b"/>)", noD},
        {"<path\td=\"M 0 0\"/>", noD},
        {R"(<path d="M 0 0"/><path d="M 1 1"></path>)",
         svgString + "path element isn't terminated.\n"},
        {R"(<path d="M 0,0 Q 1,1 2,2"/>)",
         "SVGParser::GetVerticesFromPathData, Q is not a supported SVG command" + svgString +
             "error while extracting vertices from the path. \n"},
    };
    for (const auto& [content, message] : cases) {
        // Outlines already present would count as found in an empty file.
        outlines.assign(content.empty() ? 0 : 1, {{1, 1}});
        EXPECT_FALSE(Load(content)) << content;
        EXPECT_EQ(messages, message + malformed + "\n") << content;
        EXPECT_TRUE(outlines.empty()) << content;
    }
    EXPECT_FALSE(Load(R"(<svg><path d="M 1 1"/></svg>)"));
    EXPECT_EQ(messages, file + "no viewbox information found in " + path + "\n");
    EXPECT_TRUE(outlines.empty());
}
