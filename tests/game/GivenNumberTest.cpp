#include "game/GivenNumber.h"

#include "game/InputNumber.h"
#include "support/GLContextFixture.h"
#include "support/GlyphProbe.h"
#include "tools/Palette.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

// The Hexadecimal panel's place on the board; its fields stand at (7.5, 185) and
// (7.5, 45), its Refresh button at (407.5, 300).
const Pos2f kOrigin{7.5f, 285.0f};
const Pos2f kRefresh{420.0f, 310.0f};
const Pos2f kFirstBox{190.0f, 175.0f};
const Pos2f kFirstCheck{420.0f, 210.0f};
const Pos2f kSecondBox{190.0f, 35.0f};

class GivenNumberTest : public GLContextFixture {
protected:
    static void Type(GivenNumber& panel, const std::string& keys) {
        for (const char key : keys) {
            panel.HandleKey(key);
        }
    }
};

} // namespace

TEST_F(GivenNumberTest, DigitStringsAndAnswerChecksAgreeForEveryNumber) {
    for (const NumberBase base :
         {NumberBase::Binary, NumberBase::Decimal, NumberBase::Hexadecimal}) {
        const GivenNumber panel{base, kOrigin};
        InputNumber field{base, Pos2f{7.5f, 185.0f}};
        for (int number = 1; number <= 4095; ++number) {
            field.Reset();
            field.HandleFocusClick(kFirstBox);
            for (const char digit : panel.ToBaseString(number)) {
                field.HandleKey(static_cast<char>(std::tolower(digit)));
            }
            field.CheckAnswer(number);
            ASSERT_EQ(field.GetState(), InputState::Correct)
                << "base " << static_cast<int>(base) << ", number " << number << " written as "
                << panel.ToBaseString(number);
        }
    }
}

TEST_F(GivenNumberTest, DigitStringsHaveNoLeadingZerosAndUpperCaseLetters) {
    const GivenNumber binary{NumberBase::Binary, kOrigin};
    EXPECT_EQ(binary.ToBaseString(4095), "111111111111");
    EXPECT_EQ(binary.ToBaseString(2048), "100000000000");
    EXPECT_EQ(binary.ToBaseString(1), "1");
    const GivenNumber hex{NumberBase::Hexadecimal, kOrigin};
    EXPECT_EQ(hex.ToBaseString(10), "A");
    EXPECT_EQ(hex.ToBaseString(16), "10");
    EXPECT_EQ(hex.ToBaseString(255), "FF");
    EXPECT_EQ(hex.ToBaseString(4095), "FFF");
    const GivenNumber decimal{NumberBase::Decimal, kOrigin};
    EXPECT_EQ(decimal.ToBaseString(4095), "4095");
}

TEST_F(GivenNumberTest, NumbersComeFromTheSharedGeneratorOnlyAtBuildAndRefresh) {
    std::srand(7);
    const int first = std::rand() % 4095 + 1;
    const int second = std::rand() % 4095 + 1;
    std::srand(7);
    GivenNumber panel{NumberBase::Hexadecimal, kOrigin};
    EXPECT_EQ(panel.GetNumber(), first);
    panel.HandleClick(kFirstBox);
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

TEST_F(GivenNumberTest, RefreshClearsBothFieldsWhateverTheirState) {
    std::srand(11);
    GivenNumber panel{NumberBase::Hexadecimal, kOrigin};
    panel.HandleClick(kFirstBox);
    Type(panel, std::to_string(panel.GetNumber()));
    panel.HandleClick(kFirstCheck);
    ASSERT_EQ(panel.GetFirstField().GetState(), InputState::Correct);
    panel.HandleClick(Pos2f{420.0f, 70.0f}); // the lower field's Check, with "0"
    ASSERT_EQ(panel.GetSecondField().GetState(), InputState::Wrong);

    panel.HandleClick(kRefresh);
    for (const InputNumber* field : {&panel.GetFirstField(), &panel.GetSecondField()}) {
        EXPECT_EQ(field->GetState(), InputState::Idle);
        EXPECT_EQ(field->GetText(), "0");
    }
}

TEST_F(GivenNumberTest, KeysReachBothFieldsButChangeOnlyTheOneBeingEdited) {
    GivenNumber panel{NumberBase::Hexadecimal, kOrigin};
    panel.HandleClick(kSecondBox);
    Type(panel, "101");
    EXPECT_EQ(panel.GetFirstField().GetText(), "0");
    EXPECT_EQ(panel.GetSecondField().GetText(), "101");
    panel.HandleClick(kFirstBox);
    Type(panel, "9");
    EXPECT_EQ(panel.GetFirstField().GetText(), "9");
    EXPECT_EQ(panel.GetSecondField().GetState(), InputState::Idle);
}

TEST_F(GivenNumberTest, TheNumberIsDrawnInGreenRightAlignedAtItsAnchor) {
    std::srand(3);
    const GivenNumber panel{NumberBase::Binary, kOrigin};
    Clear(0.15f, 0.15f, 0.15f);
    panel.Draw();
    const GlyphRow row = ReadGlyphRow(Pos2f{347.5f, 255.0f});
    EXPECT_EQ(row.count, static_cast<int>(panel.ToBaseString(panel.GetNumber()).size()));
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kGreen)));
}
