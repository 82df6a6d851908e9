#include "tatami2d/render/Font.h"

#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "tatami2d/render/Texture.h"
#include "tatami2d/render/Utf8.h"

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

using namespace tatami2d;
namespace fs = std::filesystem;

namespace {

const char* const kFontPath = "examples/fonts/DejaVuSans.ttf";
const ColorRGBA kWhite{1, 1, 1, 1};

// The texels of a texture, read back from OpenGL.
auto TexelsOf(const Texture& texture) {
    texture.Draw(Pos2f{0, 0}, Box2f{});
    return BoundTexels();
}

} // namespace

struct FontTest : GLContextFixture {
    void SetUp() override {
        GLContextFixture::SetUp();
        font = std::make_unique<Font>(kFontPath, 24);
        ASSERT_TRUE(font->IsOpen());
    }
    std::unique_ptr<Font> font;
};

// Greek, Cyrillic and accented Latin come out as the font's glyphs, not as Latin-1 bytes nor
// as its missing-glyph box, and each texture is as large as measured beforehand.
TEST_F(FontTest, RendersUtf8InAnyScriptAsLargeAsMeasured) {
    for (const std::string text : {"Zoë", "Ωμέγα", "Жук", "ä Ж ω", " "}) {
        const Texture texture{text, *font, kWhite};
        EXPECT_TRUE(texture.IsCreationOk()) << text;
        EXPECT_EQ(texture.GetWidth(), font->Measure(text)) << text;
        EXPECT_EQ(texture.GetHeight(), font->GetHeight()) << text;
    }
    const Texture missing{"\uE000", *font, kWhite}; // a private-use character it lacks
    for (const char* letter : {"Ω", "Ж"}) {
        EXPECT_NE(TexelsOf(Texture{letter, *font, kWhite}), TexelsOf(missing)) << letter;
    }
    EXPECT_EQ(TexelsOf(Texture{"Hex", *font, kWhite}),
              TexelsOf(Texture{"Hex", font->GetHandle(), kWhite}));
    const Texture empty{"", *font, kWhite};
    EXPECT_TRUE(empty.IsCreationOk() && empty.GetWidth() == 0.0f && empty.GetHeight() > 20.0f);
    EXPECT_TRUE(font->Measure("") == 0.0f && font->GetLineSkip() >= font->GetHeight());
}

// Lines follow each other in the text with only spaces between them; each fits unless it is
// a single character, holds whole characters only, and is as long as it can be: one more word
// (or, inside a word too wide for any line, one more character) would not fit.
TEST_F(FontTest, WrapKeepsEveryWordAndCutsNoCharacter) {
    const std::string text =
        "Καλημέρα κόσμε, Привет мир and  a café in Zürich: Ωωωωωωωωωωωωωωωωωωωωωωω";
    const auto spacesOnly = [&](std::size_t from, std::size_t to) {
        return text.find_first_not_of(' ', from) >= to;
    };
    const auto startsCharacter = [&](std::size_t at) { return (text[at] & 0xC0) != 0x80; };
    for (const float width : {1.0f, 30.0f, 160.0f, 300.0f}) {
        const std::vector<std::string> lines = font->Wrap(text, width);
        std::size_t at = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            const std::size_t found = text.find(line, at);
            ASSERT_TRUE(!line.empty() && found != std::string::npos && spacesOnly(at, found))
                << width << ": " << line;
            EXPECT_TRUE(font->Measure(line) <= width || utf8::NextIndex(line, 0) == line.size())
                << width << ": " << line;
            at = found + line.size();
            EXPECT_TRUE(startsCharacter(found) && startsCharacter(at) && line.front() != ' ' &&
                        line.back() != ' ')
                << width << ": " << line;
            if (i + 1 < lines.size()) {
                const std::string& next = lines[i + 1];
                const std::size_t nextAt = text.find(next, at);
                const std::string more =
                    nextAt > at
                        ? text.substr(found, nextAt - found) + next.substr(0, next.find(' '))
                        : line + next.substr(0, utf8::NextIndex(next, 0));
                EXPECT_GT(font->Measure(more), width) << width << ": " << line << " | " << next;
            }
        }
        EXPECT_TRUE(spacesOnly(at, text.size())) << width;
    }
    EXPECT_EQ(font->Wrap("Ωμ  εγ\n\n  x \n", 2000.0f),
              (std::vector<std::string>{"Ωμ  εγ", "", "  x ", ""}));
    EXPECT_EQ(font->Wrap("", 2000.0f), std::vector<std::string>{""});
    EXPECT_EQ(font->Wrap("", -1.0f), std::vector<std::string>{""});
    EXPECT_EQ(font->Wrap("ab  cd", 0.0f), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(FontTest, AFontThatFailsToOpenMeasuresNothingAndMakesFailedTextures) {
    testing::internal::CaptureStderr();
    Font missing{"no-such-font.ttf", 24};
    const Texture text{"Ω", missing, kWhite};
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
        missing = std::move(*font);
        other = std::move(missing);
        const Font moved{std::move(other)};
        EXPECT_FALSE(font->IsOpen() || missing.IsOpen() || other.IsOpen());
        EXPECT_GT(moved.Measure("Ω"), 0.0f);
    }
    EXPECT_EQ(openFiles(), filesBefore - 1);
}
