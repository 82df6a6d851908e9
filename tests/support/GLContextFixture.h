#pragma once

#include <cstdint>

#include <SDL.h>
#include <gtest/gtest.h>

// An RGBA pixel as read back from the framebuffer.
struct Pixel {
    std::uint8_t r, g, b, a;
};

// A window and OpenGL 2.1 context on SDL's offscreen driver (no X server), set up as the
// game's core sets up its own: one world unit per pixel with y upwards, alpha blending,
// SDL_image and SDL_ttf ready. Tests draw, then read back what a player would see.
class GLContextFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 1350;
    static constexpr int kHeight = 345;

    void SetUp() override;
    void TearDown() override;

    // The pixel at window coordinates (x, y), y counted upwards from the bottom row.
    Pixel ReadPixel(int x, int y) const;
    void Clear(float r, float g, float b);

    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};
