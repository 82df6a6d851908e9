#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The image as 32-bit RGBA whatever its layout in the file; null if it cannot be read.
SurfacePtr LoadRgba(const fs::path& path) {
    const SurfacePtr loaded{IMG_Load(path.c_str()), &SDL_FreeSurface};
    return SurfacePtr{loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0)
                             : nullptr,
                      &SDL_FreeSurface};
}

Uint8 Alpha(const SDL_Surface& s, int x, int y) {
    return static_cast<const Uint8*>(s.pixels)[y * s.pitch + x * 4 + 3];
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in{path, std::ios::binary};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const fs::path kResources{"Resources"};
const fs::path kIcons{"packaging/icons"};

// Committed and drawn PNGs have the same size and the same pixels.
void ExpectSameImage(const fs::path& committedPath, const fs::path& drawnPath) {
    const SurfacePtr committed = LoadRgba(committedPath);
    const SurfacePtr drawn = LoadRgba(drawnPath);
    ASSERT_TRUE(committed && drawn) << committedPath << ": " << SDL_GetError();
    ASSERT_EQ(committed->w, drawn->w) << committedPath;
    ASSERT_EQ(committed->h, drawn->h) << committedPath;
    EXPECT_EQ(std::memcmp(committed->pixels, drawn->pixels,
                          static_cast<size_t>(committed->pitch * committed->h)),
              0)
        << committedPath << " differs from the generator's output: rebuild the `assets` target";
}

} // namespace

TEST(Assets, CommittedImagesAreWhatTheGeneratorDraws) {
    const fs::path out = fs::temp_directory_path() / ("dojo-assets-" + std::to_string(getpid()));
    fs::create_directories(out / "icons");
    const std::string command = std::string{ASSET_GENERATOR} + " Resources/Baloo.ttf " +
                                out.string() + " " + (out / "icons").string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"green.png", "red.png", "blue.png", "white.png", "Check.png",
                             "Delete.png", "Refresh.png"}) {
        ExpectSameImage(kResources / name, out / name);
    }
    for (const int size : {48, 64, 128, 256}) {
        const std::string name = "numeral-dojo-" + std::to_string(size) + ".png";
        ExpectSameImage(kIcons / name, out / "icons" / name);
        const SurfacePtr icon = LoadRgba(kIcons / name);
        ASSERT_TRUE(icon) << name;
        EXPECT_TRUE(icon->w == size && icon->h == size)
            << name << " is installed as " << size << "x" << size;
    }
    EXPECT_EQ(ReadFile(kIcons / "numeral-dojo.svg"), ReadFile(out / "icons" / "numeral-dojo.svg"))
        << "numeral-dojo.svg differs from the generator's output: rebuild the `assets` target";
    fs::remove_all(out);
}

TEST(Assets, CommittedExampleAssetsAreWhatTheGeneratorMakes) {
    const fs::path out =
        fs::temp_directory_path() / ("dojo-example-assets-" + std::to_string(getpid()));
    const std::string command = std::string{EXAMPLE_ASSET_GENERATOR} + " " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const fs::path examples{"examples"};
    ExpectSameImage(examples / "sprites/assets/coin.png", out / "sprites/assets/coin.png");
    for (const char* name : {"blip.wav", "drum.wav", "chime.wav", "music.wav"}) {
        const fs::path sound = fs::path{"sound/assets"} / name;
        EXPECT_EQ(ReadFile(examples / sound), ReadFile(out / sound))
            << sound << " differs from the generator's output: rebuild the `assets` target";
    }
    fs::remove_all(out);
}

TEST(Assets, GlyphSheetsFitTheInputBoxAndKeepTransparentMargins) {
    for (const char* name : {"green.png", "red.png", "blue.png", "white.png"}) {
        const SurfacePtr raw{IMG_Load((kResources / name).c_str()), &SDL_FreeSurface};
        ASSERT_TRUE(raw) << name;
        EXPECT_EQ(raw->format->BytesPerPixel, 4) << name << " must be 32-bit RGBA";
        const SurfacePtr sheet = LoadRgba(kResources / name);
        ASSERT_EQ(sheet->w % 16, 0) << name << ": 16 frames of equal width";
        const int frameWidth = sheet->w / 16;
        EXPECT_LE(frameWidth, 25) << "twelve glyphs a frame plus 5 apart must fit in 370";
        EXPECT_LE(sheet->h, 40) << "the row must fit in the 50-tall box";
        // Single-row frames are read one pixel right of their cell: two empty columns
        // on each side of every glyph keep the neighbours out.
        for (int x = 0; x < sheet->w; ++x) {
            const int column = x % frameWidth;
            const bool margin = column < 2 || column >= frameWidth - 2;
            for (int y = 0; margin && y < sheet->h; ++y) {
                ASSERT_EQ(Alpha(*sheet, x, y), 0) << name << " has ink in margin column " << x;
            }
        }
    }
}

TEST(Assets, ButtonsFitUnderTheTopBorderOnATransparentBackground) {
    for (const char* name : {"Check.png", "Delete.png", "Refresh.png"}) {
        const SurfacePtr button = LoadRgba(kResources / name);
        ASSERT_TRUE(button) << name;
        EXPECT_LE(button->w, 40) << name;
        EXPECT_LE(button->h, 40) << name;
        EXPECT_EQ(Alpha(*button, 0, 0), 0) << name << " corner must be transparent";
        EXPECT_EQ(Alpha(*button, button->w / 2, button->h / 2), 255) << name;
    }
}
