#include "ExampleScripts.h"

#include <algorithm>

#include <gtest/gtest.h>

// Names the example in test output instead of dumping its bytes.
void PrintTo(const Example& example, std::ostream* out) {
    *out << example.folder;
}

namespace {

// Mesa's software renderer draws the same frame bit for bit on this machine. The tolerance
// of 2 per channel lets translucent blends round differently on another processor's code
// path; a shape that moves, grows, changes colour or goes missing changes its pixels by far
// more and fails.
constexpr int kChannelTolerance = 2;

class GoldenFrame : public testing::TestWithParam<Example> {};

TEST_P(GoldenFrame, FinalFrameMatchesTheScreenshot) {
    const Example& example = GetParam();
    Image frame;
    ASSERT_TRUE(PlayExample(example, frame))
        << "Core did not start, or the build folder is missing";
    Image screenshot;
    ASSERT_TRUE(LoadPng(ScreenshotPath(example.folder), screenshot));
    const int differing = CountDifferingPixels(frame, screenshot, kChannelTolerance);
    if (differing != 0) {
        SavePng(frame, LastFramePath(example.folder));
    }
    EXPECT_EQ(differing, 0) << example.folder << ": the frame drawn is at "
                            << LastFramePath(example.folder)
                            << "; if the change is meant, remake the screenshots with "
                               "`cmake --build build/dev --target example-screenshots`";
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenFrame, testing::ValuesIn(Examples()),
                         [](const testing::TestParamInfo<Example>& param) {
                             std::string name = param.param.folder;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
