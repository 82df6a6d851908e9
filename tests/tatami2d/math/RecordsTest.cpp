#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Oval2f.h"
#include "tatami2d/math/Pos2f.h"

#include <iterator>

#include <gtest/gtest.h>

TEST(Records, DefaultsAreZeroExceptTheOpacityOfBlack) {
    const Box2f box;
    const ColorRGBA color;
    const Disc2f disc;
    const Oval2f oval;
    const Pos2f pos;
    const float fields[] = {box.left,    box.bottom,    box.width,     box.height,    color.r,
                            color.g,     color.b,       1 - color.a,   disc.center.x, disc.center.y,
                            disc.radius, oval.center.x, oval.center.y, oval.radiusX,  oval.radiusY,
                            pos.x,       pos.y};
    for (size_t i = 0; i < std::size(fields); ++i) {
        EXPECT_EQ(fields[i], 0.0f) << i;
    }
}
