#include "game/InputNumber.h"

#include "game/DigitRow.h"
#include "game/GivenNumber.h"
#include "support/GLContextFixture.h"
#include "tools/Palette.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>
#include <vector>

#include <SDL_opengl.h>

using namespace tatami2d;
using namespace dojo;

namespace {

// A field at (7.5, 185): box (7.5, 150)-(377.5, 200), Check from (407.5, 200), Delete from
// (359.5, 200), both 32 x 32; the glyphs right-aligned at (347.5, 155).
const Pos2f kOrigin{7.5f, 185.0f};
const Pos2f kInBox{190.0f, 175.0f};
const Pos2f kCheck{423.0f, 216.0f};
const Pos2f kDelete{375.0f, 216.0f};
const Pos2f kAway{700.0f, 100.0f};

class InputNumberTest : public GLContextFixture {
protected:
    static void Type(InputNumber& field, const std::string& keys) {
        for (const char key : keys) {
            field.HandleKey(static_cast<char>(std::tolower(key)));
        }
    }
    // A click as the panel delivers it: focus, Delete, then Check.
    static void Click(InputNumber& field, const Pos2f& pos, int number = 1) {
        field.HandleFocusClick(pos);
        field.HandleDeleteClick(pos);
        if (field.IsCheckClicked(pos)) {
            field.CheckAnswer(number);
        }
    }
    // Whole digits in the colour in the row of 24 x 40 glyph frames 29 apart, leftwards from
    // (347.5, 155). Ink runs 10 to 30 above a frame's bottom, clear of the gap to the next one:
    // a cut, shifted or crowded glyph does not count.
    static int Glyphs(const Canvas::Color& color) {
        int count = 0;
        for (int x = 347; count < 12; x -= 29, ++count) {
            if (Inked(x, 155, 24, 10, color) > 0 || Inked(x, 165, 24, 1, color) == 0 ||
                Inked(x, 175, 24, 11, color) < 20 || Inked(x + 23, 155, 6, 40, color) > 0) {
                break;
            }
        }
        return count;
    }
    // How many pixels of the w x h block at (x, y) show the opaque artwork colour, give or take 2.
    static int Inked(int x, int y, int w, int h, const Canvas::Color& color) {
        std::vector<Pixel> pixels(static_cast<size_t>(w * h));
        glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        const auto near = [](int v, float c) { return std::abs(v - std::lround(c * 255)) <= 2; };
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [&](const Pixel& p) {
            return near(p.r, color.r) && near(p.g, color.g) && near(p.b, color.b);
        }));
    }
};

} // namespace

TEST_F(InputNumberTest, TypingKeepsToTheBaseDigitsAndLength) {
    const std::tuple<NumberBase, const char*, const char*> cases[] = {
        {NumberBase::Binary, "0", "0"}, // a zero typed into 0 leaves 0
        {NumberBase::Binary, "2a91", "1"},
        {NumberBase::Binary, "101111111111111", "101111111111"},
        {NumberBase::Decimal, "5f0ab", "50"},
        {NumberBase::Decimal, "509999", "5099"},
        {NumberBase::Hexadecimal, "0fa9c", "fa9"}, // letters stay lower case
    };
    for (const auto& [base, keys, text] : cases) {
        InputNumber field{base, kOrigin};
        Type(field, keys);
        EXPECT_EQ(field.GetText(), "0") << "an Idle field takes no keys";
        field.HandleFocusClick(kInBox);
        Type(field, keys);
        EXPECT_EQ(field.GetText(), text) << keys;
    }
}

// Every number as its panel writes it (without leading zeros, hexadecimal in upper case).
TEST_F(InputNumberTest, EveryNumberAsThePanelsShowThemChecksCorrect) {
    for (const auto& [base, extremes] : {std::pair{NumberBase::Binary, "1 111111111111"},
                                         {NumberBase::Decimal, "1 4095"},
                                         {NumberBase::Hexadecimal, "1 FFF"}}) {
        const GivenNumber panel{base, Pos2f{7.5f, 285.0f}};
        InputNumber field{base, kOrigin};
        for (int number = 1; number <= 4095; ++number) {
            field.Reset();
            Click(field, kInBox);
            Type(field, panel.ToBaseString(number));
            field.CheckAnswer(number);
            ASSERT_EQ(field.GetState(), InputState::Correct) << panel.ToBaseString(number);
        }
        EXPECT_EQ(panel.ToBaseString(1) + " " + panel.ToBaseString(4095), extremes);
    }
    // Glyph frames: a digit's value, whatever the letter's case.
    const std::string digits = "0123456789ABCDEFabcdef";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(digitrow::GlyphIndex(digits[i]), i < 16 ? int(i) : int(i) - 6) << digits[i];
    }
}

// What the player sees after each step: the glyphs in the state's colour, buttons until solved.
TEST_F(InputNumberTest, ClicksMoveBetweenStatesThatShowInTheGlyphsColour) {
    InputNumber field{NumberBase::Binary, kOrigin};
    // Where the click falls, the keys typed after it, the number checked against, and then.
    const std::tuple<Pos2f, const char*, int, const char*> steps[] = {
        {kCheck, "", 1, "W0"}, // 0 is never the number
        {kInBox, "1100", 0, "E1100"},
        {kCheck, "", 13, "W1100"},
        {kAway, "", 0, "W1100"},  // a wrong verdict survives a click elsewhere
        {kInBox, "", 0, "E1100"}, // and reopens with its text
        {kAway, "", 0, "I1100"},
        {kDelete, "", 0, "I0"},
        {kInBox, "101010101010", 0, "E101010101010"},
        {kCheck, "", 2730, "C101010101010"},
        {kInBox, "1", 0, "C101010101010"}, // a solved field ignores keys and clicks
        {kDelete, "", 0, "C101010101010"},
        {kCheck, "", 1, "C101010101010"},
    };
    const Canvas::Color colours[] = {palette::kBlue, palette::kWhite, palette::kGreen,
                                     palette::kRed}; // of "EICW"
    for (const auto& [click, keys, number, after] : steps) {
        Click(field, click, number);
        Type(field, keys);
        EXPECT_EQ("EICW"[static_cast<int>(field.GetState())] + field.GetText(), after);
        Clear(0.15f, 0.15f, 0.15f);
        field.Draw();
        EXPECT_EQ(Glyphs(colours[static_cast<int>(field.GetState())]),
                  static_cast<int>(field.GetText().size()));
        for (const int x : {423, 375}) { // the plates of Check and Delete, below their icons
            EXPECT_EQ(Inked(x, 205, 1, 1, palette::kPlate) == 1, after[0] != 'C') << x;
        }
    }
}

// Texture names in the order OpenGL hands them out and takes them back (linked with --wrap).
std::vector<GLuint> made, freed;
extern "C" {
void __real_glGenTextures(GLsizei n, GLuint* names);
void __real_glDeleteTextures(GLsizei n, const GLuint* names);
void __wrap_glGenTextures(GLsizei n, GLuint* names) {
    __real_glGenTextures(n, names);
    made.insert(made.end(), names, names + n);
}
void __wrap_glDeleteTextures(GLsizei n, const GLuint* names) {
    freed.insert(freed.end(), names, names + n);
    __real_glDeleteTextures(n, names);
}
}

// Fields first, then the panel's own, each in the order made, but Delete's before Check's.
TEST_F(InputNumberTest, APanelReleasesItsTexturesInOrder) {
    made.clear();
    freed.clear();
    GivenNumber{NumberBase::Decimal, kOrigin}; // made and released at once
    std::swap(made.at(6), made.at(7));
    std::swap(made.at(14), made.at(15));
    EXPECT_EQ(freed, made);
}
