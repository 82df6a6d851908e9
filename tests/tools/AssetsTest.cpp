#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

const char* const kGlyphSheets[] = {"green.png", "red.png", "blue.png", "white.png"};
const char* const kButtons[] = {"Check.png", "Delete.png", "Refresh.png"};

// The image as 32-bit RGBA, whatever layout the file has; null if it cannot be read.
SurfacePtr LoadRgba(const fs::path& path) {
    SurfacePtr loaded{IMG_Load(path.c_str()), &SDL_FreeSurface};
    if (!loaded) {
        return loaded;
    }
    return SurfacePtr{SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0),
                      &SDL_FreeSurface};
}

std::uint8_t Alpha(const SDL_Surface& s, int x, int y) {
    return static_cast<const std::uint8_t*>(s.pixels)[y * s.pitch + x * 4 + 3];
}

bool SamePixels(const SDL_Surface& a, const SDL_Surface& b) {
    if (a.w != b.w || a.h != b.h) {
        return false;
    }
    for (int y = 0; y < a.h; ++y) {
        const auto* rowA = static_cast<const std::uint8_t*>(a.pixels) + y * a.pitch;
        const auto* rowB = static_cast<const std::uint8_t*>(b.pixels) + y * b.pitch;
        if (!std::equal(rowA, rowA + a.w * 4, rowB)) {
            return false;
        }
    }
    return true;
}

class Assets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG, IMG_INIT_PNG) << SDL_GetError();
    }
    void TearDown() override { IMG_Quit(); }

    const fs::path resources{"Resources"};
};

} // namespace

TEST_F(Assets, CommittedImagesAreWhatTheGeneratorDraws) {
    const fs::path out = fs::temp_directory_path() / ("dojo-assets-" + std::to_string(getpid()));
    fs::create_directories(out);
    const std::string command =
        std::string{ASSET_GENERATOR} + " Resources/Baloo.ttf " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const char* name : {"green.png", "red.png", "blue.png", "white.png", "Check.png",
                             "Delete.png", "Refresh.png"}) {
        const SurfacePtr committed = LoadRgba(resources / name);
        const SurfacePtr drawn = LoadRgba(out / name);
        ASSERT_TRUE(committed && drawn) << name << ": " << SDL_GetError();
        EXPECT_TRUE(SamePixels(*committed, *drawn))
            << name << " differs from the generator's output: rebuild the `assets` target";
    }
    fs::remove_all(out);
}

TEST_F(Assets, GlyphSheetsFitTheInputBoxAndKeepTransparentMargins) {
    for (const char* name : kGlyphSheets) {
        const SurfacePtr raw{IMG_Load((resources / name).c_str()), &SDL_FreeSurface};
        ASSERT_TRUE(raw) << name;
        EXPECT_EQ(raw->format->BytesPerPixel, 4) << name << " must be 32-bit RGBA";

        const SurfacePtr sheet = LoadRgba(resources / name);
        ASSERT_EQ(sheet->w % 16, 0) << name << ": 16 frames of equal width";
        const int frameWidth = sheet->w / 16;
        EXPECT_LE(frameWidth, 25) << "twelve glyphs a frame plus 5 apart must fit in 370";
        EXPECT_LE(sheet->h, 40) << "the row must fit in the 50-tall box";

        // Single-row frames are read one pixel to the right of their cell, so every
        // glyph needs two empty columns on each side.
        for (int frame = 0; frame < 16; ++frame) {
            bool hasInk = false;
            for (int column = 0; column < frameWidth; ++column) {
                const bool margin = column < 2 || column >= frameWidth - 2;
                for (int y = 0; y < sheet->h; ++y) {
                    const bool ink = Alpha(*sheet, frame * frameWidth + column, y) != 0;
                    hasInk = hasInk || ink;
                    ASSERT_FALSE(margin && ink)
                        << name << " frame " << frame << " has ink in margin column " << column;
                }
            }
            EXPECT_TRUE(hasInk) << name << " frame " << frame << " is empty";
        }
    }
}

TEST_F(Assets, ButtonsFitUnderTheTopBorderOnATransparentBackground) {
    for (const char* name : kButtons) {
        const SurfacePtr button = LoadRgba(resources / name);
        ASSERT_TRUE(button) << name;
        EXPECT_LE(button->w, 40) << name;
        EXPECT_LE(button->h, 40) << name;
        EXPECT_EQ(Alpha(*button, 0, 0), 0) << name << " corner must be transparent";
        EXPECT_EQ(Alpha(*button, button->w - 1, button->h - 1), 0) << name;
        EXPECT_EQ(Alpha(*button, button->w / 2, button->h / 2), 255) << name;
    }
}
