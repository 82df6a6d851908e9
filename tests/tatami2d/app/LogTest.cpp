#include "tatami2d/app/Log.h"

#include "support/AllocationCounter.h"
#include "tatami2d/svg/SVGParser.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tatami2d;

namespace {

// Two refusals of the path-data parser: a message that ends its lines, then one that does not.
bool RefuseTwice() {
    std::vector<Pos2f> points;
    return SVGParser::GetVerticesFromPathData("M 1 1 C 2 2", points) ||
           SVGParser::GetVerticesFromPathData("M 1 1 Q 2 2", points);
}

const std::string kBeziers = "SVGParser::GetVerticesFromPathData,  beziers are not supported.\n"
                             "Have another look at the guide, or select all nodes in inkscape and "
                             "press shift + L\n";
const std::string kUnsupported =
    "SVGParser::GetVerticesFromPathData, Q is not a supported SVG command";

} // namespace

// On stderr unchanged by default (and again after an empty sink); a sink gets each one whole.
TEST(Log, MessagesReachStderrUnchangedOrASinkWhole) {
    std::vector<std::string> messages;
    for (const bool sunk : {true, false}) {
        SetLogSink(sunk ? LogSink{[&](std::string_view message) { messages.emplace_back(message); }}
                        : nullptr);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(RefuseTwice());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), sunk ? "" : kBeziers + kUnsupported);
    }
    EXPECT_EQ(messages, (std::vector<std::string>{kBeziers, kUnsupported}));
}

// Neither a throwing sink nor no memory to join a message in makes the loader throw.
TEST(Log, AThrowingSinkOrNoMemoryForTheMessageThrowsNothing) {
    SetLogSink([](std::string_view) { throw std::runtime_error{"the sink failed"}; });
    EXPECT_FALSE(RefuseTwice());

    std::string received;
    received.reserve(1024); // so that the sink itself allocates nothing
    SetLogSink([&received](std::string_view message) { received.append(message); });
    const std::string svg = R"(<svg><path d="M 10 10 L 20 20 L 30 30 Z"/></svg>)";
    std::vector<std::vector<Pos2f>> outlines;
    LimitAllocationSize(16);
    const bool loaded = SVGParser::GetVerticesFromSvgString(svg, outlines);
    LimitAllocationSize(SIZE_MAX);
    SetLogSink(nullptr);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(received, "SVGParser::GetVerticesFromSvgString(..), out of memory\n")
        << "delivered piece by piece";
}
