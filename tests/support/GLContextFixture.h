#pragma once

#include "tatami2d/app/Core.h"

#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

// An RGBA pixel as read back from the framebuffer.
struct Pixel {
    std::uint8_t r, g, b, a;
};

// The framework's own core on SDL's offscreen driver (no X server), so that tests draw in the
// set-up every program gets: one world unit per pixel with y upwards, alpha blending, images,
// fonts and sound ready. Tests draw, then read back what a player would see.
class GLContextFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 1350;
    static constexpr int kHeight = 345;

    void SetUp() override;

    // The pixel at window coordinates (x, y), y counted upwards from the bottom row.
    Pixel ReadPixel(int x, int y) const;
    void Clear(float r, float g, float b);

    std::unique_ptr<tatami2d::Core> core; // outlives what a derived fixture holds
};
