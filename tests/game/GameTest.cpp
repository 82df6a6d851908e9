#include "game/Game.h"

#include "game/GivenNumber.h"
#include "game/InputNumber.h"
#include "support/GLContextFixture.h"
#include "support/GlyphProbe.h"
#include "tools/Palette.h"

#include <array>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.0f, 345.0f, true};

// Panels stand 450 apart from x = 7.5; their upper fields at y 185, lower at 45.
float PanelX(int panel) {
    return 7.5f + 450.0f * static_cast<float>(panel);
}
Pos2f BoxOf(int panel, float fieldY) {
    return Pos2f{PanelX(panel) + 180.0f, fieldY - 10.0f};
}
Pos2f CheckOf(int panel, float fieldY) {
    return Pos2f{PanelX(panel) + 416.0f, fieldY + 31.0f};
}
Pos2f DeleteOf(int panel, float fieldY) {
    return Pos2f{PanelX(panel) + 368.0f, fieldY + 31.0f};
}
Pos2f RefreshOf(int panel) {
    return Pos2f{PanelX(panel) + 416.0f, 316.0f};
}
Pos2f GlyphsOf(int panel, float fieldY) {
    return Pos2f{PanelX(panel) + 340.0f, fieldY - 30.0f};
}
constexpr float kUpper = 185.0f;
constexpr float kLower = 45.0f;

std::string InBase(int number, int radix) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[number % radix]);
        number /= radix;
    } while (number > 0);
    return digits;
}

class GameTest : public GLContextFixture {
protected:
    // Drives the board as the core does: y already turned upwards.
    static void MoveTo(Game& game, const Pos2f& p) {
        SDL_MouseMotionEvent motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.x = static_cast<Sint32>(p.x);
        motion.y = static_cast<Sint32>(p.y);
        game.OnMouseMotion(motion);
    }
    static void Release(Game& game, Uint8 button = SDL_BUTTON_LEFT) {
        SDL_MouseButtonEvent e{};
        e.type = SDL_MOUSEBUTTONUP;
        e.button = button;
        game.OnMouseUp(e);
    }
    static void ClickAt(Game& game, const Pos2f& p) {
        MoveTo(game, p);
        Release(game);
    }
    static void KeyUp(Game& game, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
        SDL_KeyboardEvent e{};
        e.type = SDL_KEYUP;
        e.keysym.sym = key;
        e.keysym.mod = mod;
        game.OnKeyUp(e);
    }
    static void Type(Game& game, const std::string& keys) {
        for (const char key : keys) {
            KeyUp(game, static_cast<SDL_Keycode>(key)); // SDL key codes of 0-9, a-f are ASCII
        }
    }

    GlyphRow DrawAndRead(const Game& game, const Pos2f& anchor) {
        game.Draw();
        return ReadGlyphRow(anchor);
    }

    const InputNumber& Field(const Game& game, int panel, float fieldY) {
        const GivenNumber& p = game.GetPanel(static_cast<size_t>(panel));
        return fieldY == kUpper ? p.GetFirstField() : p.GetSecondField();
    }
};

} // namespace

TEST_F(GameTest, PanelsTakeOneNumberEachInBoardOrder) {
    std::srand(2024);
    std::array<int, 3> expected{};
    for (int& n : expected) {
        n = std::rand() % 4095 + 1;
    }
    std::srand(2024);
    const Game game{kSpec};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(game.GetPanel(i).GetNumber(), expected[i]);
    }
    // Hexadecimal, Binary, Decimal: the same number written in each base.
    EXPECT_EQ(game.GetPanel(0).ToBaseString(255), "FF");
    EXPECT_EQ(game.GetPanel(1).ToBaseString(5), "101");
    EXPECT_EQ(game.GetPanel(2).ToBaseString(255), "255");
}

TEST_F(GameTest, AWholeGameAsThePlayerSeesIt) {
    std::srand(99);
    Game game{kSpec};
    const int hexNumber = game.GetPanel(0).GetNumber();
    const int binaryNumber = game.GetPanel(1).GetNumber();

    // Every field starts as a white 0.
    GlyphRow row = DrawAndRead(game, GlyphsOf(0, kUpper));
    EXPECT_EQ(row.count, 1);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));

    // The Hexadecimal panel's upper field asks for decimal: answer right.
    ClickAt(game, BoxOf(0, kUpper));
    Type(game, InBase(hexNumber, 10));
    row = DrawAndRead(game, GlyphsOf(0, kUpper));
    EXPECT_EQ(row.count, static_cast<int>(InBase(hexNumber, 10).size()));
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kBlue)));
    ClickAt(game, CheckOf(0, kUpper));
    row = DrawAndRead(game, GlyphsOf(0, kUpper));
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kGreen)));
    const Pos2f check = CheckOf(0, kUpper);
    EXPECT_TRUE(IsNear(ReadPixel(static_cast<int>(check.x), static_cast<int>(check.y)),
                       Pixel{38, 38, 38, 255}, 1))
        << "the buttons of a solved field are gone";
    ClickAt(game, BoxOf(0, kUpper));
    Type(game, "1");
    EXPECT_EQ(Field(game, 0, kUpper).GetState(), InputState::Correct) << "solved fields lock";

    // Its lower field asks for binary: answer wrong, then click elsewhere, then back in.
    ClickAt(game, BoxOf(0, kLower));
    Type(game, InBase(hexNumber + 1, 2).substr(0, 12));
    ClickAt(game, CheckOf(0, kLower));
    EXPECT_TRUE(IsNear(DrawAndRead(game, GlyphsOf(0, kLower)).color, PixelOf(palette::kRed)));
    ClickAt(game, Pos2f{675.0f, 300.0f});
    EXPECT_TRUE(IsNear(DrawAndRead(game, GlyphsOf(0, kLower)).color, PixelOf(palette::kRed)));
    ClickAt(game, BoxOf(0, kLower));
    EXPECT_TRUE(IsNear(DrawAndRead(game, GlyphsOf(0, kLower)).color, PixelOf(palette::kBlue)));
    ClickAt(game, DeleteOf(0, kLower));
    row = DrawAndRead(game, GlyphsOf(0, kLower));
    EXPECT_EQ(row.count, 1);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));

    // Meanwhile the Binary panel's upper field (decimal) holds a started answer.
    ClickAt(game, BoxOf(1, kUpper));
    Type(game, "42");

    // Refresh of the Hexadecimal panel: both its fields are a white 0 again, the others
    // keep what they had.
    std::srand(5);
    const int next = std::rand() % 4095 + 1;
    std::srand(5);
    ClickAt(game, RefreshOf(0));
    EXPECT_EQ(game.GetPanel(0).GetNumber(), next);
    for (const float y : {kUpper, kLower}) {
        row = DrawAndRead(game, GlyphsOf(0, y));
        EXPECT_EQ(row.count, 1);
        EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));
    }
    EXPECT_EQ(Field(game, 1, kUpper).GetText(), "42");
    EXPECT_EQ(game.GetPanel(1).GetNumber(), binaryNumber);
}

TEST_F(GameTest, KeysCountOnReleaseFromBothDigitRowsAndLowerCaseLetters) {
    Game game{kSpec};
    ClickAt(game, BoxOf(1, kLower)); // the Binary panel's hexadecimal field

    SDL_KeyboardEvent press{};
    press.type = SDL_KEYDOWN;
    press.keysym.sym = SDLK_7;
    press.repeat = 1;
    game.OnKeyDown(press);
    EXPECT_EQ(Field(game, 1, kLower).GetText(), "0") << "holding a key delivers nothing";

    KeyUp(game, SDLK_KP_7);
    KeyUp(game, SDLK_a, KMOD_LSHIFT | KMOD_CAPS);
    for (const SDL_Keycode ignored : {SDLK_g, SDLK_z, SDLK_BACKSPACE, SDLK_RETURN, SDLK_DELETE,
                                      SDLK_PERIOD, SDLK_KP_PERIOD, SDLK_KP_ENTER}) {
        KeyUp(game, ignored);
    }
    KeyUp(game, SDLK_KP_0);
    EXPECT_EQ(Field(game, 1, kLower).GetText(), "7a0");

    Game other{kSpec};
    ClickAt(other, BoxOf(2, kUpper)); // the Decimal panel's binary field
    for (SDL_Keycode key = SDLK_KP_1; key <= SDLK_KP_9; ++key) {
        KeyUp(other, key);
    }
    KeyUp(other, SDLK_0);
    EXPECT_EQ(Field(other, 2, kUpper).GetText(), "10") << "only 1 and 0 are binary digits";
}

TEST_F(GameTest, OnlyLeftReleasesClickAndAtTheLastPointerPosition) {
    Game game{kSpec};
    MoveTo(game, BoxOf(2, kLower));
    Release(game, SDL_BUTTON_RIGHT);
    Release(game, SDL_BUTTON_MIDDLE);
    SDL_MouseButtonEvent press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button = SDL_BUTTON_LEFT;
    game.OnMouseDown(press);
    EXPECT_EQ(Field(game, 2, kLower).GetState(), InputState::Idle);

    // The release's own coordinates play no part: the last motion decides.
    SDL_MouseButtonEvent release{};
    release.type = SDL_MOUSEBUTTONUP;
    release.button = SDL_BUTTON_LEFT;
    release.x = 5;
    release.y = 5;
    game.OnMouseUp(release);
    EXPECT_EQ(Field(game, 2, kLower).GetState(), InputState::Editing);

    // Before any motion a click lands at (0, 0), which is in no box.
    Game fresh{kSpec};
    Release(fresh);
    for (int panel = 0; panel < 3; ++panel) {
        EXPECT_EQ(Field(fresh, panel, kUpper).GetState(), InputState::Idle);
    }
}

TEST_F(GameTest, TheGridIsDrawnOverThePanels) {
    Game game{kSpec};
    game.Draw();
    const Pixel black{0, 0, 0, 255};
    for (const auto& [x, y] : std::array<std::pair<int, int>, 7>{
             {{675, 342}, {675, 2}, {200, 245}, {2, 172}, {452, 290}, {902, 172}, {1347, 100}}}) {
        EXPECT_TRUE(IsNear(ReadPixel(x, y), black, 0)) << x << ", " << y;
    }
    EXPECT_TRUE(IsNear(ReadPixel(675, 120), Pixel{38, 38, 38, 255}, 1)) << "dark grey board";
}

TEST_F(GameTest, AnyInputKeepsEveryFieldWithinItsBase) {
    std::mt19937 random{12345};
    Game game{kSpec};
    const std::string keys = "0123456789abcdef";
    for (int step = 0; step < 5000; ++step) {
        if (random() % 3 == 0) {
            ClickAt(game,
                    Pos2f{static_cast<float>(random() % 1350), static_cast<float>(random() % 345)});
        } else {
            KeyUp(game, static_cast<SDL_Keycode>(keys[random() % keys.size()]));
        }
    }
    const auto valid = [](const InputNumber& field, const std::string& digits, size_t maxLength) {
        const std::string& text = field.GetText();
        return !text.empty() && text.size() <= maxLength &&
               text.find_first_not_of(digits) == std::string::npos &&
               (text == "0" || text[0] != '0');
    };
    for (size_t i = 0; i < 3; ++i) {
        const GivenNumber& panel = game.GetPanel(i);
        // Hexadecimal: decimal + binary; Binary: decimal + hex; Decimal: binary + hex.
        const std::array<std::pair<std::string, size_t>, 3> rules{
            {{"01", 12}, {"0123456789", 4}, {"0123456789abcdef", 3}}};
        const std::array<std::array<int, 2>, 3> fieldBases{{{1, 0}, {1, 2}, {0, 2}}};
        const auto& [firstDigits, firstMax] = rules[fieldBases[i][0]];
        const auto& [secondDigits, secondMax] = rules[fieldBases[i][1]];
        EXPECT_TRUE(valid(panel.GetFirstField(), firstDigits, firstMax)) << i;
        EXPECT_TRUE(valid(panel.GetSecondField(), secondDigits, secondMax)) << i;
    }
}
