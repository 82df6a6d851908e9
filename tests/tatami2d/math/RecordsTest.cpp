#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Oval2f.h"
#include "tatami2d/math/WindowSpec.h"

#include <gtest/gtest.h>

TEST(Records, DefaultsAreTheOriginAnEmptyBoxAndOpaqueBlack) {
    const Box2f box;
    EXPECT_EQ(box.left + box.bottom + box.width + box.height, 0.0f);
    const ColorRGBA color;
    EXPECT_EQ(color.r + color.g + color.b, 0.0f);
    EXPECT_EQ(color.a, 1.0f) << "a default colour is opaque, not transparent";
    const Oval2f oval{3.0f, 4.0f, -1.0f, 2.0f};
    EXPECT_EQ(oval.center.y, 4.0f);
    EXPECT_EQ(oval.radiusX, -1.0f) << "sizes are stored unchecked";
    EXPECT_EQ(Disc2f{}.radius, 0.0f);
}

TEST(Records, WindowSpecKeepsItsOwnCopyOfTheTitle) {
    std::string title = "Numeral Dojo";
    const WindowSpec spec{title, 1350.5f, 345.0f, true};
    title[0] = 'X';
    EXPECT_EQ(spec.title, "Numeral Dojo");
    EXPECT_EQ(spec.width, 1350.5f);
}
