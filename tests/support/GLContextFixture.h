#pragma once

#include "tatami2d/app/Core.h"

#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

// An RGBA pixel as read back from the framebuffer.
struct Pixel {
    std::uint8_t r, g, b, a;
};

// The framework's core on SDL's offscreen driver, in the set-up every program gets (a world unit
// per pixel, y upwards, blending, images, fonts, sound): tests draw, then read back the pixels.
class GLContextFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 1350;
    static constexpr int kHeight = 345;

    void SetUp() override;

    // The pixel at (x, y), y counted upwards from the bottom row.
    Pixel ReadPixel(int x, int y) const;
    void Clear(float r, float g, float b);

    std::unique_ptr<tatami2d::Core> core; // outlives what a derived fixture holds
};
