#include "../math/ValueText.h"
#include "tatami2d/app/DrawAreaFit.h"
#include "tatami2d/app/MouseMapping.h"

#include <tuple>

#include <gtest/gtest.h>

using namespace tatami2d;

// Rows: the drawable's size, the logical size, and the area fitted into the drawable.
TEST(FitDrawArea, KeepsTheShapeCentredWithBarsAndTheWindowAsOpenedUnscaled) {
    for (const auto& [width, height, logicalWidth, logicalHeight, expected] : {
             std::tuple{1350, 345, 1350.9f, 345.9f, "0 0 1350 345 1350.9 345.9 "}, // truncated
             {800, 480, 640.0f, 480.0f, "80 0 640 480 640 480 "},  // wider: bars left and right
             {480, 600, 640.0f, 480.0f, "0 120 480 360 640 480 "}, // taller: bars above and below
             {101, 100, 640.0f, 480.0f, "0 12 101 76 640 480 "},   // 75.75 rounds up
             {400, 2, 640.0f, 4000.0f, "199 0 1 2 640 4000 "},     // never thinner than a pixel
             {641, 481, 640.0f, 480.0f, "0 0 641 481 640 480 "},   // a pixel more each way scales
         }) {
        const DrawArea a = FitDrawArea(width, height, logicalWidth, logicalHeight);
        EXPECT_EQ(ValueText(a.left, a.bottom, a.width, a.height, a.logicalWidth, a.logicalHeight),
                  expected);
    }
}

// Positions are SDL's (window points, y down); results whole logical pixels, y up.
TEST(MouseMapping, MapsWindowPointsIntoTheLogicalWindowRoundingDown) {
    const struct {
        const char* what;
        int windowWidth, windowHeight, drawableWidth, drawableHeight;
        DrawArea area;
        std::int32_t x, y;
        const char* expected;
    } cases[] = {
        {"in a bar", 800, 480, 800, 480, {80, 0, 640, 480, 640.f, 480.f}, 79, 0, "-1 480 "},
        {"rounded down", 480, 600, 480, 600, {0, 120, 480, 360, 640.f, 480.f}, 1, 599, "1 -159 "},
        {"dense", 640, 480, 1280, 960, {0, 0, 1280, 960, 640.f, 480.f}, 100, 100, "100 380 "},
        {"larger", 1280, 720, 1280, 720, {160, 0, 960, 720, 640.f, 480.f}, 640, 360, "320 240 "},
        {"dense, bars", 400, 240, 800, 480, {80, 0, 640, 480, 640.f, 480.f}, 240, 120, "400 240 "},
    };
    for (auto c : cases) {
        MouseMapping{c.windowWidth, c.windowHeight, c.drawableWidth, c.drawableHeight, c.area}.Map(
            c.x, c.y);
        EXPECT_EQ(ValueText(c.x, c.y), c.expected) << c.what;
    }
}
