#include "math/Box2f.h"
#include "math/ColorRGBA.h"
#include "math/Disc2f.h"
#include "math/Oval2f.h"
#include "math/Pos2f.h"
#include "math/WindowSpec.h"

#include <gtest/gtest.h>

TEST(Records, DefaultsAreOriginEmptyBoxAndOpaqueBlack) {
    const Pos2f p;
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);

    const Box2f box;
    EXPECT_EQ(box.left, 0.0f);
    EXPECT_EQ(box.bottom, 0.0f);
    EXPECT_EQ(box.width, 0.0f);
    EXPECT_EQ(box.height, 0.0f);

    const ColorRGBA color;
    EXPECT_EQ(color.r, 0.0f);
    EXPECT_EQ(color.g, 0.0f);
    EXPECT_EQ(color.b, 0.0f);
    EXPECT_EQ(color.a, 1.0f) << "a default colour is opaque, not transparent";

    const Disc2f disc;
    EXPECT_EQ(disc.center.x, 0.0f);
    EXPECT_EQ(disc.radius, 0.0f);
    const Oval2f oval;
    EXPECT_EQ(oval.center.y, 0.0f);
    EXPECT_EQ(oval.radiusX, 0.0f);
    EXPECT_EQ(oval.radiusY, 0.0f);
}

TEST(Records, ConstructorsStoreArgumentsUnchangedInFieldOrder) {
    const Box2f box{1.0f, 2.0f, -3.0f, -4.0f};
    EXPECT_EQ(box.left, 1.0f);
    EXPECT_EQ(box.bottom, 2.0f);
    EXPECT_EQ(box.width, -3.0f);
    EXPECT_EQ(box.height, -4.0f);

    const ColorRGBA color{2.0f, -1.0f, 0.5f, 0.25f};
    EXPECT_EQ(color.r, 2.0f);
    EXPECT_EQ(color.g, -1.0f);
    EXPECT_EQ(color.b, 0.5f);
    EXPECT_EQ(color.a, 0.25f);

    const Disc2f disc{3.0f, 4.0f, -5.0f};
    EXPECT_EQ(disc.center.x, 3.0f);
    EXPECT_EQ(disc.center.y, 4.0f);
    EXPECT_EQ(disc.radius, -5.0f);

    const Oval2f oval{Pos2f{6.0f, 7.0f}, 8.0f, 9.0f};
    EXPECT_EQ(oval.center.x, 6.0f);
    EXPECT_EQ(oval.center.y, 7.0f);
    EXPECT_EQ(oval.radiusX, 8.0f);
    EXPECT_EQ(oval.radiusY, 9.0f);
}

TEST(Records, WindowSpecKeepsItsOwnCopyOfTheTitle) {
    std::string title = "Numeral Dojo";
    const WindowSpec spec{title, 1350.5f, 345.0f, true};
    title[0] = 'X';
    EXPECT_EQ(spec.title, "Numeral Dojo");
    EXPECT_EQ(spec.width, 1350.5f);
    EXPECT_EQ(spec.height, 345.0f);
    EXPECT_TRUE(spec.isVSyncOn);
}
