#include "game/GivenNumber.h"

#include "game/DigitRow.h"
#include "game/InputNumber.h"
#include "support/GlyphProbe.h"
#include "tools/Palette.h"

#include <cctype>
#include <cstdlib>

namespace {

// The Hexadecimal panel's place: Refresh at (407.5, 300), upper field box around (190, 175).
const Pos2f kOrigin{7.5f, 285.0f};
const Pos2f kRefresh{420.0f, 310.0f};

using GivenNumberTest = GLContextFixture;

} // namespace

TEST_F(GivenNumberTest, DigitStringsAndAnswerChecksAgreeForEveryNumber) {
    for (const NumberBase base :
         {NumberBase::Binary, NumberBase::Decimal, NumberBase::Hexadecimal}) {
        const GivenNumber panel{base, kOrigin};
        InputNumber field{base, Pos2f{7.5f, 185.0f}};
        for (int number = 1; number <= 4095; ++number) {
            field.Reset();
            field.HandleFocusClick(Pos2f{190.0f, 175.0f});
            for (const char digit : panel.ToBaseString(number)) {
                field.HandleKey(static_cast<char>(std::tolower(digit)));
            }
            field.CheckAnswer(number);
            ASSERT_EQ(field.GetState(), InputState::Correct)
                << number << " written as " << panel.ToBaseString(number);
        }
    }
    const GivenNumber binary{NumberBase::Binary, kOrigin};
    EXPECT_EQ(binary.ToBaseString(2048), "100000000000");
    EXPECT_EQ(binary.ToBaseString(1), "1");
    const GivenNumber hex{NumberBase::Hexadecimal, kOrigin};
    EXPECT_EQ(hex.ToBaseString(10), "A");
    EXPECT_EQ(hex.ToBaseString(16), "10");
    EXPECT_EQ(hex.ToBaseString(4095), "FFF");
    // Glyph frames: a digit's value, whatever the letter's case.
    const std::string digits = "0123456789ABCDEFabcdef";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(digitrow::GlyphIndex(digits[i]), i < 16 ? int(i) : int(i) - 6) << digits[i];
    }
}

TEST_F(GivenNumberTest, NumbersComeFromTheSharedGeneratorOnlyAtBuildAndRefresh) {
    std::srand(7);
    const int first = std::rand() % 4095 + 1;
    const int second = std::rand() % 4095 + 1;
    std::srand(7);
    GivenNumber panel{NumberBase::Hexadecimal, kOrigin};
    EXPECT_EQ(panel.GetNumber(), first);
    panel.HandleClick(Pos2f{190.0f, 175.0f});
    panel.Draw();
    EXPECT_EQ(panel.GetNumber(), first) << "only Refresh draws a new number";
    panel.HandleClick(kRefresh);
    EXPECT_EQ(panel.GetNumber(), second);
    for (int i = 0; i < 20000; ++i) {
        panel.HandleClick(kRefresh);
        ASSERT_GE(panel.GetNumber(), 1);
        ASSERT_LE(panel.GetNumber(), 4095);
    }
}

TEST_F(GivenNumberTest, DrawsItsLabelsNumberFieldsAndRefreshInTheirPlaces) {
    std::srand(3);
    const GivenNumber panel{NumberBase::Binary, kOrigin};
    Clear(0.15f, 0.15f, 0.15f);
    panel.Draw();
    EXPECT_EQ(GlyphsIn(Pos2f{347.5f, 255.0f}, palette::kGreen),
              static_cast<int>(panel.ToBaseString(panel.GetNumber()).size()));
    // Text in the game's green: the panel's label and radix, then the upper field's above its
    // box; the boxes and Refresh's plate.
    const Pixel text{98, 146, 99, 255};
    EXPECT_GT(CountPixels(8, 286, 300, 50, text), 200) << "Binary";
    EXPECT_GT(CountPixels(378, 236, 30, 30, text), 20) << "2";
    EXPECT_GT(CountPixels(8, 201, 300, 40, text), 200) << "Decimal";
    EXPECT_GT(CountPixels(378, 136, 30, 30, text), 20) << "10";
    for (const auto& [x, y] : {std::pair{8, 150}, {8, 10}}) {
        EXPECT_TRUE(IsNear(ReadPixel(x, y), Pixel{26, 26, 26, 255}, 1)) << y;
    }
    EXPECT_TRUE(IsNear(ReadPixel(423, 305), PixelOf(palette::kPlate)));
}
