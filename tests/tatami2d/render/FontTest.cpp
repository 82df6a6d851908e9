#include "tatami2d/render/Font.h"

#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "tatami2d/render/Texture.h"

#include <filesystem>
#include <iterator>

using namespace tatami2d;
namespace fs = std::filesystem;

const char* const kFontPath = "examples/fonts/DejaVuSans.ttf";

using FontTest = GLContextFixture;

// Any script comes out as large as measured, and as a handle's Latin-1 text where both apply.
TEST_F(FontTest, RendersUtf8InAnyScriptAsLargeAsMeasuredAndWrapsItAtSpaces) {
    const Font font{kFontPath, 24};
    for (const std::string text : {"Zoë", "Ωμέγα", "Жук", "ä Ж ω", " "}) {
        const Texture texture{text, font, ColorRGBA::White()};
        EXPECT_TRUE(texture.IsCreationOk()) << text;
        EXPECT_EQ(texture.GetWidth(), font.Measure(text)) << text;
        EXPECT_EQ(texture.GetHeight(), font.GetHeight()) << text;
    }
    EXPECT_EQ(TexelsOf(Texture{"Hex", font, ColorRGBA::White()}),
              TexelsOf(Texture{"Hex", font.GetHandle(), ColorRGBA::White()}));
    const Texture empty{"", font, ColorRGBA::White()};
    EXPECT_TRUE(empty.IsCreationOk() && empty.GetWidth() == 0.0f && empty.GetHeight() > 20.0f);
    EXPECT_TRUE(font.Measure("") == 0.0f && font.GetLineSkip() >= font.GetHeight());
    // Words too wide for a line are cut between characters; inner spaces are kept.
    using Lines = std::vector<std::string>;
    const std::string text =
        "Καλημέρα κόσμε, Привет мир and  a café in Zürich: Ωωωωωωωωωωωωωωωωωωωωωωω";
    EXPECT_EQ(font.Wrap(text, 160.0f), (Lines{"Καλημέρα", "κόσμε,", "Привет мир", "and  a café",
                                              "in Zürich:", "Ωωωωωωωω", "ωωωωωωωω", "ωωωωωωω"}));
    EXPECT_EQ(font.Wrap("Ωa  é,", 1.0f), (Lines{"Ω", "a", "é", ","}));
    EXPECT_EQ(font.Wrap("Ωμ  εγ\n\n  x \n", 2000.0f), (Lines{"Ωμ  εγ", "", "  x ", ""}));
    EXPECT_EQ(font.Wrap("", -1.0f), Lines{""});
    EXPECT_EQ(font.Wrap("ab  cd", 0.0f), (Lines{"a", "b", "c", "d"}));
}

TEST_F(FontTest, AFontThatFailsToOpenMeasuresNothingAndMakesFailedTextures) {
    Font font{kFontPath, 24};
    testing::internal::CaptureStderr();
    Font missing{"no-such-font.ttf", 24};
    const Texture text{"Ω", missing, ColorRGBA::White()};
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.find("Font::Font, error when calling TTF_OpenFont: "), 0u) << errors;
    EXPECT_NE(errors.find("\nTexture::CreateFromUtf8, the font is not open\n"), std::string::npos)
        << errors;
    EXPECT_FALSE(missing.IsOpen() || text.IsCreationOk());
    EXPECT_TRUE(missing.Measure("Ω") == 0.0f && missing.GetHeight() == 0.0f &&
                missing.GetLineSkip() == 0.0f && text.GetWidth() == 10.0f);
    EXPECT_EQ(missing.Wrap("a b\nc", 0.0f), (std::vector<std::string>{"a b", "c"}));
    // Moving hands the open font over; each font file is closed once its last owner goes.
    const auto openFiles = [] {
        return std::distance(fs::directory_iterator{"/proc/self/fd"}, fs::directory_iterator{});
    };
    const auto filesBefore = openFiles();
    {
        Font other{kFontPath, 24};
        missing = std::move(font);
        other = std::move(missing);
        const Font moved{std::move(other)};
        EXPECT_FALSE(font.IsOpen() || missing.IsOpen() || other.IsOpen());
        EXPECT_GT(moved.Measure("Ω"), 0.0f);
    }
    EXPECT_EQ(openFiles(), filesBefore - 1);
}
