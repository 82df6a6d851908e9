#include "svg/SVGParser.h"

#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

class SVGFile : public testing::Test {
protected:
    void TearDown() override {
        for (const std::string& path : written) {
            std::remove(path.c_str());
        }
    }

    // Writes `content` byte for byte to a temporary file and loads it, keeping stderr.
    bool Load(const std::string& content) {
        written.push_back(testing::TempDir() + "SVGFile_" +
                          testing::UnitTest::GetInstance()->current_test_info()->name() +
                          std::to_string(written.size()) + ".svg");
        std::ofstream{written.back(), std::ios::binary} << content;
        return LoadPath(written.back());
    }

    bool LoadPath(const std::string& path) {
        testing::internal::CaptureStderr();
        const bool ok = SVGParser::GetVerticesFromSvgFile(path, outlines);
        messages = testing::internal::GetCapturedStderr();
        return ok;
    }

    std::vector<float> Ys(size_t outline) const {
        std::vector<float> ys;
        for (const Pos2f& point : outlines.at(outline)) {
            ys.push_back(point.y);
        }
        return ys;
    }

    std::vector<std::string> written;
    std::vector<std::vector<Pos2f>> outlines;
    std::string messages;
};

TEST_F(SVGFile, ReadsAnEditorFileWithGroupsNamespacesAndSubpaths) {
    ASSERT_TRUE(LoadPath("tests/svg/data/editor.svg")) << messages;
    EXPECT_EQ(messages, "");
    ASSERT_EQ(outlines.size(), 2u);
    // viewBox 10 20 210 120: y becomes 120 - y, and the origin plays no part.
    EXPECT_EQ(Ys(0), (std::vector<float>{90, 90, 50, 50}));
    EXPECT_EQ(Ys(1), (std::vector<float>{70, 70, 60, 60, 70, 70, 60, 60}));
    EXPECT_EQ(outlines[1][4].x, 130.0f) << "the second subpath moves from the first's start";
}

TEST_F(SVGFile, FlipsByTheViewBoxHeightAndJoinsLines) {
    ASSERT_TRUE(Load(R"(<svg viewBox="0 0 100 100"><path d="m 10,10 20,0 0,20 z"/></svg>)"));
    EXPECT_EQ(Ys(0), (std::vector<float>{90, 90, 70}));
    EXPECT_EQ(outlines[0][1].x, 30.0f);

    outlines.clear();
    ASSERT_TRUE(Load("<svg viewBox = \"10 10 100 50\">\r\n  <path\r\n"
                     "     d = \"M 0,10\r\n 5,20\" />\r\n</svg>\r\n"));
    EXPECT_EQ(Ys(0), (std::vector<float>{40, 30}));

    outlines.clear();
    ASSERT_TRUE(Load(R"(<svg viewBox="0,0,100,50"><path d="M 0 10"/></svg>)"));
    EXPECT_EQ(Ys(0), (std::vector<float>{-10})) << "a viewBox with commas has no height";

    // An unindented line is glued to the previous one, leaving no space before this d.
    outlines = {{{1, 1}}};
    EXPECT_FALSE(Load("<svg viewBox=\"0 0 9 9\"><path id=\"p\"\nd=\"M 0 0\"/>"));
    EXPECT_TRUE(outlines.empty());
}

TEST_F(SVGFile, RefusesUnreadableFilesWithTheirMessage) {
    const std::string prefix = "SVGParser::GetVerticesFromSvgFile(..), ";
    outlines = {{{1, 1}}};
    for (const std::string& path :
         {std::string{"tests/svg/data/missing.svg"}, testing::TempDir()}) {
        EXPECT_FALSE(LoadPath(path));
        EXPECT_EQ(messages, prefix + "failed to load vertices from file " + path + "\n");
        EXPECT_EQ(outlines.size(), 1u) << "left untouched";
    }
    EXPECT_FALSE(Load(R"(<svg><path d="M 1 1"/></svg>)"));
    EXPECT_EQ(messages, prefix + "no viewbox information found in " + written.back() + "\n");
    EXPECT_TRUE(outlines.empty());

    EXPECT_FALSE(Load(""));
    EXPECT_EQ(messages, "Empty vertices in GetVerticesFromSvgString(..), no path element(s) "
                        "found\n" +
                            prefix + "malformed or unsupported information in file " +
                            written.back() + "\n");

    std::ifstream in{"tests/svg/data/editor.svg"};
    const std::string editor(std::istreambuf_iterator<char>{in}, {});
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919) % 251);
    }
    for (const std::string& content :
         {editor.substr(0, editor.find("10,0 0,10")), editor.substr(0, editor.find("L 60,30")),
          garbage, std::string{R"(<svg viewBox="0 0 9 9"><path d="M 1e999 0"/>)"}}) {
        EXPECT_FALSE(Load(content)) << content;
        EXPECT_TRUE(outlines.empty()) << content;
        EXPECT_NE(messages.find(prefix + "malformed"), std::string::npos) << content;
    }
}
