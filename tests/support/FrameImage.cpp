#include "support/FrameImage.h"

#include <cstdlib>
#include <functional>
#include <numeric>

#include <SDL_image.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

Surface CaptureFrame(int width, int height) {
    Surface frame{SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24),
                  &SDL_FreeSurface};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int y = 0; y < height; ++y) {
        glReadPixels(0, height - 1 - y, width, 1, GL_RGB, GL_UNSIGNED_BYTE,
                     static_cast<Uint8*>(frame->pixels) + y * frame->pitch);
    }
    return frame;
}

// Channel values of two RGB24 surfaces beyond the tolerance apart; all of them if sizes differ.
static int CountDifferences(const SDL_Surface& a, const SDL_Surface& b) {
    if (a.w != b.w || a.h != b.h) {
        return 3 * a.w * a.h;
    }
    const auto* p = static_cast<const Uint8*>(a.pixels); // both RGB24: rows packed alike
    return std::transform_reduce(p, p + a.h * a.pitch, static_cast<const Uint8*>(b.pixels), 0,
                                 std::plus<>{},
                                 [](int x, int y) { return std::abs(x - y) > kChannelTolerance; });
}

void ExpectFrameMatches(const SDL_Surface& frame, const std::string& reference,
                        const std::string& lastFrame) {
    if (std::getenv("DOJO_WRITE_SCREENSHOTS") != nullptr) {
        ASSERT_EQ(IMG_SavePNG(const_cast<SDL_Surface*>(&frame), reference.c_str()), 0)
            << SDL_GetError();
        return;
    }
    Surface loaded{IMG_Load(reference.c_str()), &SDL_FreeSurface};
    ASSERT_TRUE(loaded) << reference << ": " << SDL_GetError();
    const Surface golden{SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB24, 0),
                         &SDL_FreeSurface};
    const int differing = CountDifferences(frame, *golden);
    if (differing != 0) {
        IMG_SavePNG(const_cast<SDL_Surface*>(&frame), lastFrame.c_str());
    }
    EXPECT_EQ(differing, 0) << "the frame drawn is at " << lastFrame
                            << "; if the change is meant, remake the pictures with "
                               "`cmake --build build/dev --target example-screenshots`";
}
