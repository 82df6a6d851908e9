#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr Load(const fs::path& path) {
    return SurfacePtr{IMG_Load(path.c_str()), &SDL_FreeSurface};
}

Uint8 Alpha(const SDL_Surface& s, int x, int y) {
    return static_cast<const Uint8*>(s.pixels)[y * s.pitch + x * 4 + 3];
}

// A PNG's size, layout and pixels, whatever the encoder's settings; any other file's bytes.
std::string Contents(const fs::path& path) {
    std::ostringstream bytes;
    if (path.extension() != ".png") {
        bytes << std::ifstream{path, std::ios::binary}.rdbuf();
    } else if (const SurfacePtr image = Load(path)) {
        bytes << image->w << "x" << image->h << " " << image->format->format << ":";
        bytes.write(static_cast<const char*>(image->pixels), image->pitch * image->h);
    }
    return bytes.str();
}

} // namespace

// The generators write into a scratch copy of the repository's folders: every file they
// make must be committed as it is, and there are as many as the game and examples use.
TEST(Assets, CommittedAssetsAreWhatTheGeneratorsMake) {
    const fs::path out = fs::temp_directory_path() / ("dojo-assets-" + std::to_string(getpid()));
    fs::create_directories(out / "Resources");
    fs::create_directories(out / "packaging/icons");
    for (const std::string& command :
         {std::string{ASSET_GENERATOR} + " Resources/Baloo.ttf " + (out / "Resources").string() +
              " " + (out / "packaging/icons").string(),
          std::string{EXAMPLE_ASSET_GENERATOR} + " " + (out / "examples").string()}) {
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    int made = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator{out}) {
        const fs::path committed = entry.path().lexically_relative(out);
        if (entry.is_regular_file()) {
            ++made;
            EXPECT_TRUE(Contents(committed) == Contents(entry.path()))
                << committed << " differs from the generator's output: rebuild the `assets` target";
        }
    }
    EXPECT_EQ(made, 7 + 5 + 1 + 4) << "game images, icons, coin sheet, sounds";
    fs::remove_all(out);
}

TEST(Assets, ImagesFitWhereTheyAreShown) {
    for (const char* name : {"green.png", "red.png", "blue.png", "white.png"}) {
        const SurfacePtr sheet = Load(fs::path{"Resources"} / name);
        ASSERT_TRUE(sheet && sheet->format->format == SDL_PIXELFORMAT_RGBA32 && sheet->w % 16 == 0)
            << name << " must be 32-bit RGBA, 16 frames of equal width";
        const int frameWidth = sheet->w / 16;
        EXPECT_LE(frameWidth, 25) << "twelve glyphs a frame plus 5 apart must fit in 370";
        EXPECT_LE(sheet->h, 40) << "the row must fit in the 50-tall box";
        // Single-row frames are read one pixel right of their cell: two empty columns
        // on each side of every glyph keep the neighbours out.
        for (int x = 0; x < sheet->w; ++x) {
            const int column = x % frameWidth;
            for (int y = 0; (column < 2 || column >= frameWidth - 2) && y < sheet->h; ++y) {
                ASSERT_EQ(Alpha(*sheet, x, y), 0) << name << " has ink in margin column " << x;
            }
        }
    }
    for (const char* name : {"Check.png", "Delete.png", "Refresh.png"}) {
        const SurfacePtr button = Load(fs::path{"Resources"} / name);
        ASSERT_TRUE(button && button->format->format == SDL_PIXELFORMAT_RGBA32) << name;
        EXPECT_TRUE(button->w <= 40 && button->h <= 40) << name << " must fit under the top border";
        EXPECT_EQ(Alpha(*button, 0, 0), 0) << name << " corner must be transparent";
        EXPECT_EQ(Alpha(*button, button->w / 2, button->h / 2), 255) << name;
    }
    for (const int size : {48, 64, 128, 256}) {
        const auto icon = Load("packaging/icons/numeral-dojo-" + std::to_string(size) + ".png");
        ASSERT_TRUE(icon && icon->w == size && icon->h == size) << "installed as " << size << "px";
    }
}
