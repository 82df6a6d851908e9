#include "game/InputNumber.h"

#include "support/GLContextFixture.h"
#include "support/GlyphProbe.h"
#include "tools/Palette.h"

#include <filesystem>
#include <string>

namespace {

// A field at the origin of the Hexadecimal panel's upper field: its box spans
// (7.5, 150)-(377.5, 200), Check stands at (407.5, 200) and the glyphs at (347.5, 155).
const Pos2f kOrigin{7.5f, 185.0f};
const Pos2f kInBox{190.0f, 175.0f};
const Pos2f kOutside{700.0f, 100.0f};
const Pos2f kAnchor{347.5f, 155.0f};

class InputNumberTest : public GLContextFixture {
protected:
    static void Type(InputNumber& field, const std::string& keys) {
        for (const char key : keys) {
            field.HandleKey(key);
        }
    }

    static void Check(InputNumber& field, const Pos2f& pos, int number) {
        field.HandleFocusClick(pos);
        field.HandleDeleteClick(pos);
        if (field.IsCheckClicked(pos)) {
            field.CheckAnswer(number);
        }
    }

    GlyphRow DrawAndRead(const InputNumber& field) {
        Clear(0.15f, 0.15f, 0.15f);
        field.Draw();
        return ReadGlyphRow(kAnchor);
    }

    // The corners of the 32 x 32 button images.
    const Pos2f checkBottomLeft{407.5f, 200.0f};
    const Pos2f checkTopRight{439.5f, 232.0f};
    const Pos2f deleteBottomLeft{407.5f - 48.0f, 200.0f};
};

} // namespace

TEST_F(InputNumberTest, TypingKeepsToTheBaseDigitsAndLength) {
    InputNumber binary{NumberBase::Binary, kOrigin};
    Type(binary, "1");
    EXPECT_EQ(binary.GetText(), "0") << "an Idle field takes no keys";

    binary.HandleFocusClick(kInBox);
    Type(binary, "0");
    EXPECT_EQ(binary.GetText(), "0") << "a zero typed into 0 leaves 0";
    Type(binary, "2a91");
    EXPECT_EQ(binary.GetText(), "1") << "the first digit replaces the initial zero";
    Type(binary, "01111111111111");
    EXPECT_EQ(binary.GetText(), "101111111111") << "at most twelve binary digits";

    InputNumber decimal{NumberBase::Decimal, kOrigin};
    decimal.HandleFocusClick(kInBox);
    Type(decimal, "5f0ab");
    EXPECT_EQ(decimal.GetText(), "50") << "letters are not decimal digits";
    Type(decimal, "999");
    EXPECT_EQ(decimal.GetText(), "5099");

    InputNumber hex{NumberBase::Hexadecimal, kOrigin};
    hex.HandleFocusClick(kInBox);
    Type(hex, "0fa9c");
    EXPECT_EQ(hex.GetText(), "fa9") << "letters are kept lower case, at most three digits";
}

TEST_F(InputNumberTest, ClicksMoveBetweenStatesAsThePlayerExpects) {
    InputNumber field{NumberBase::Decimal, kOrigin};
    EXPECT_EQ(field.GetState(), InputState::Idle);

    // Box edges count as inside.
    field.HandleFocusClick(Pos2f{7.5f, 150.0f});
    EXPECT_EQ(field.GetState(), InputState::Editing);
    field.HandleFocusClick(Pos2f{7.49f, 175.0f});
    EXPECT_EQ(field.GetState(), InputState::Idle);
    field.HandleFocusClick(Pos2f{377.5f, 200.0f});
    EXPECT_EQ(field.GetState(), InputState::Editing);

    Type(field, "12");
    Check(field, checkTopRight, 13);
    EXPECT_EQ(field.GetState(), InputState::Wrong);
    field.HandleFocusClick(kOutside);
    EXPECT_EQ(field.GetState(), InputState::Wrong) << "a wrong verdict survives a click elsewhere";
    field.HandleFocusClick(kInBox);
    EXPECT_EQ(field.GetState(), InputState::Editing);
    EXPECT_EQ(field.GetText(), "12") << "reopening keeps the text";

    Check(field, deleteBottomLeft, 13);
    EXPECT_EQ(field.GetState(), InputState::Idle);
    EXPECT_EQ(field.GetText(), "0");

    field.HandleFocusClick(kInBox);
    Type(field, "13");
    Check(field, checkBottomLeft, 13);
    EXPECT_EQ(field.GetState(), InputState::Correct);
}

TEST_F(InputNumberTest, ACorrectFieldIsLockedUntilReset) {
    InputNumber field{NumberBase::Hexadecimal, kOrigin};
    field.HandleFocusClick(kInBox);
    Type(field, "fff");
    Check(field, checkBottomLeft, 4095);
    ASSERT_EQ(field.GetState(), InputState::Correct) << "fff is 4095";

    field.HandleFocusClick(kInBox);
    Type(field, "1");
    Check(field, deleteBottomLeft, 1);
    EXPECT_FALSE(field.IsCheckClicked(checkBottomLeft));
    EXPECT_EQ(field.GetState(), InputState::Correct);
    EXPECT_EQ(field.GetText(), "fff");

    field.Reset();
    EXPECT_EQ(field.GetState(), InputState::Idle);
    EXPECT_EQ(field.GetText(), "0");
}

TEST_F(InputNumberTest, ANewFieldChecksWrongAgainstAnyNumber) {
    InputNumber field{NumberBase::Binary, kOrigin};
    Check(field, checkBottomLeft, 1);
    EXPECT_EQ(field.GetState(), InputState::Wrong);
}

TEST_F(InputNumberTest, GlyphsShowTheStateColourOneGlyphPerDigit) {
    InputNumber field{NumberBase::Hexadecimal, kOrigin};
    GlyphRow row = DrawAndRead(field);
    EXPECT_EQ(row.count, 1);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));
    EXPECT_TRUE(IsNear(ReadPixel(20, 160), Pixel{26, 26, 26, 255}, 1)) << "the dark input box";
    EXPECT_FALSE(IsNear(ReadPixel(423, 216), Pixel{38, 38, 38, 255}, 1)) << "Check is drawn";

    field.HandleFocusClick(kInBox);
    Type(field, "a0f");
    row = DrawAndRead(field);
    EXPECT_EQ(row.count, 3);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kBlue)));

    Check(field, checkBottomLeft, 0xA0E);
    row = DrawAndRead(field);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kRed)));

    field.HandleFocusClick(kInBox);
    Check(field, checkBottomLeft, 0xA0F);
    row = DrawAndRead(field);
    EXPECT_EQ(row.count, 3);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kGreen)));
    EXPECT_TRUE(IsNear(ReadPixel(423, 216), Pixel{38, 38, 38, 255}, 1))
        << "a correct field shows no buttons";
    EXPECT_TRUE(IsNear(ReadPixel(375, 216), Pixel{38, 38, 38, 255}, 1));
}

TEST_F(InputNumberTest, MissingImagesLeaveTenByTenButtonsThatStillWork) {
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    testing::internal::CaptureStderr();
    {
        InputNumber field{NumberBase::Decimal, kOrigin};
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find("Texture::CreateFromImage, error when calling IMG_Load: "),
                  std::string::npos);
        EXPECT_NE(errors.find("Texture::CreateFromString, error when calling TTF_OpenFont: "),
                  std::string::npos);

        field.HandleFocusClick(kInBox);
        Type(field, "7");
        Check(field, Pos2f{417.5f, 210.0f}, 7);
        EXPECT_EQ(field.GetState(), InputState::Correct) << "Check is 10 x 10 at (407.5, 200)";
        field.Draw(); // placeholders, no crash
    }
    std::filesystem::current_path(home);
}
