#include "support/AllocationCounter.h"
#include "tatami2d/svg/SVGParser.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

#include <gtest/gtest.h>

class SVGFile : public testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }

    // Writes `content` to the scratch file, loads `file` (by default that one) and keeps stderr.
    bool Load(const std::string& content, const std::string& file = "") {
        std::ofstream{path, std::ios::binary} << content;
        testing::internal::CaptureStderr();
        LimitAllocationSize(allocationLimit);
        const bool ok = SVGParser::GetVerticesFromSvgFile(file.empty() ? path : file, outlines);
        LimitAllocationSize(SIZE_MAX);
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
    size_t allocationLimit = SIZE_MAX;
};

TEST_F(SVGFile, ReadsEveryPathElementAndFlipsByTheViewBoxHeight) {
    const std::string root = "<svg viewBox = \"0 0 100 100\">";
    // Content or file, and the points after the outline (0, 1) already present, which stays
    // and is flipped too.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // viewBox 10 20 210 120: y becomes 120 - y, and the origin plays no part.
        {"", "tests/tatami2d/svg/data/editor.svg",
         "0,119 | 20,90 60,90 60,50 20,50 | 100,70 110,70 110,60 100,60 130,70 140,70 140,60 "
         "130,60 | "},
        // Closing tags with children, single quotes, attributes over several CR LF lines, and
        // a comment after the last element that mentions one.
        {"", "tests/tatami2d/svg/data/icon.svg", "0,23 | 2,22 22,22 22,2 2,2 | 8,16 16,16 16,8 | "},
        // Each search resumes at the start of the previous element's content, so a "<path"
        // inside an element is one more; " d" is not the d of id="dd"; lines are joined
        // without their CR LF.
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
        EXPECT_EQ(messages, "") << content << file;
        EXPECT_EQ(Points(), expected) << content << file;
    }
}

TEST_F(SVGFile, RefusesMalformedFilesWithTheirMessagesAndClearsTheResult) {
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
        EXPECT_EQ(messages, message + malformed + "\n") << shown;
        EXPECT_TRUE(outlines.empty()) << shown;
    }
    EXPECT_FALSE(Load(R"(<svg><path d="M 1 1"/></svg>)"));
    EXPECT_EQ(messages, file + "no viewbox information found in " + path + "\n");
    EXPECT_TRUE(outlines.empty());
}

TEST_F(SVGFile, RefusesWhatItCannotReadWithoutBlockingAndLeavesTheResultUntouched) {
    const std::string fifo = path + ".fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string hops = "<svg viewBox=\"0 0 9 9\"><path d=\"M 0 0";
    while (hops.size() < 800000) {
        hops += " h 1";
    }
    hops += "\"/></svg>";
    // File, content and largest allocation allowed. /dev/zero comes after /dev/null: a loader
    // that read the one like a file would read the other without end. Then memory runs out
    // for the text of a file, and for an outline that outgrows it.
    const std::tuple<std::string, std::string, size_t> cases[] = {
        {path + ".missing", "", SIZE_MAX},
        {testing::TempDir(), "", SIZE_MAX},
        {"/dev/null", "", SIZE_MAX},
        {fifo, "", SIZE_MAX},
        {"/dev/zero", "", SIZE_MAX},
        {path, std::string(2 << 20, ' '), 1 << 20},
        {path, hops, 1 << 20}};
    for (const auto& [file, content, limit] : cases) {
        outlines = {{{1, 1}}};
        allocationLimit = limit;
        std::atomic<bool> done{false};
        bool ok = true;
        std::thread load{[&, &file = file, &content = content] {
            ok = Load(content, file);
            done = true;
        }};
        // A loader that opens the FIFO waits there for a writer: offer one until it returns
        // (while nobody reads, the open fails and there is nothing to close).
        while (!done) {
            close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        load.join();
        EXPECT_FALSE(ok) << file;
        ASSERT_EQ(messages,
                  "SVGParser::GetVerticesFromSvgFile(..), failed to load vertices from file " +
                      file + "\n");
        EXPECT_EQ(outlines.size(), 1u) << file;
    }
    std::remove(fifo.c_str());

    // The string operation reports it in its own name, and clears the result.
    testing::internal::CaptureStderr();
    LimitAllocationSize(1 << 20);
    const bool ok = SVGParser::GetVerticesFromSvgString(hops, outlines);
    LimitAllocationSize(SIZE_MAX);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "SVGParser::GetVerticesFromSvgString(..), out of memory\n");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(outlines.empty());
}
