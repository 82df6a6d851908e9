#include "game/Game.h"

#include "game/GivenNumber.h"
#include "game/InputNumber.h"
#include "support/GlyphProbe.h"
#include "tools/Palette.h"

#include <array>
#include <cstdlib>

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.0f, 345.0f, true};
constexpr float kUpper = 185.0f; // the y of each panel's upper field; the lower is at 45
constexpr float kLower = 45.0f;
const Pixel kBoard{38, 38, 38, 255};

// Places on the board, from the panel's index (left to right) and the field's y.
float PanelX(int panel) {
    return 7.5f + 450.0f * static_cast<float>(panel);
}
Pos2f BoxOf(int panel, float y) {
    return {PanelX(panel) + 180.0f, y - 10.0f};
}
Pos2f CheckOf(int panel, float y) {
    return {PanelX(panel) + 416.0f, y + 31.0f};
}
Pos2f DeleteOf(int panel, float y) {
    return {PanelX(panel) + 368.0f, y + 31.0f};
}
Pos2f GlyphsOf(int panel, float y) {
    return {PanelX(panel) + 340.0f, y - 30.0f};
}

std::string InBase(int number, int radix) {
    std::string digits;
    for (; number > 0; number /= radix) {
        digits.insert(digits.begin(), "0123456789abcdef"[number % radix]);
    }
    return digits;
}

class GameTest : public GLContextFixture {
protected:
    // Events as the core hands them over, y already upwards.
    static void Release(Game& game, Uint8 button = SDL_BUTTON_LEFT) {
        SDL_MouseButtonEvent e{};
        e.button = button;
        game.OnMouseUp(e);
    }
    static void MoveTo(Game& game, const Pos2f& p) {
        SDL_MouseMotionEvent motion{};
        motion.x = static_cast<Sint32>(p.x);
        motion.y = static_cast<Sint32>(p.y);
        game.OnMouseMotion(motion);
    }
    static void ClickAt(Game& game, const Pos2f& p) {
        MoveTo(game, p);
        Release(game);
    }
    static void KeyUp(Game& game, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
        SDL_KeyboardEvent e{};
        e.keysym.sym = key;
        e.keysym.mod = mod;
        game.OnKeyUp(e);
    }
    static void Type(Game& game, const std::string& keys) {
        for (const char key : keys) {
            KeyUp(game, static_cast<SDL_Keycode>(key)); // the key codes of 0-9, a-f are ASCII
        }
    }
    static const InputNumber& Field(const Game& game, int panel, float y) {
        const GivenNumber& p = game.GetPanel(static_cast<size_t>(panel));
        return y == kUpper ? p.GetFirstField() : p.GetSecondField();
    }
    GlyphRow See(const Game& game, int panel, float y) {
        game.Draw();
        return ReadGlyphRow(GlyphsOf(panel, y));
    }
};

} // namespace

TEST_F(GameTest, AWholeGameAsThePlayerSeesIt) {
    // The panels take one number each from the shared generator, in board order.
    std::srand(99);
    std::array<int, 3> numbers{};
    for (int& n : numbers) {
        n = std::rand() % 4095 + 1;
    }
    std::srand(99);
    Game game{kSpec};
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(game.GetPanel(i).GetNumber(), numbers[i]);
    }
    const int number = numbers[0];
    EXPECT_TRUE(IsNear(See(game, 0, kUpper).color, PixelOf(palette::kWhite)));

    // The Hexadecimal panel's upper field asks for decimal: answer right.
    ClickAt(game, BoxOf(0, kUpper));
    Type(game, InBase(number, 10));
    GlyphRow row = See(game, 0, kUpper);
    EXPECT_EQ(row.count, static_cast<int>(InBase(number, 10).size()));
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kBlue)));
    EXPECT_EQ(Field(game, 0, kLower).GetText(), "0") << "keys change only the edited field";
    ClickAt(game, CheckOf(0, kUpper));
    EXPECT_TRUE(IsNear(See(game, 0, kUpper).color, PixelOf(palette::kGreen)));
    EXPECT_TRUE(IsNear(ReadPixel(423, 216), kBoard, 1)) << "a solved field loses its buttons";

    // The lower field asks for binary: answer wrong, click elsewhere, back in, Delete.
    ClickAt(game, BoxOf(0, kLower));
    Type(game, InBase(number ^ 1, 2));
    ClickAt(game, CheckOf(0, kLower));
    EXPECT_TRUE(IsNear(See(game, 0, kLower).color, PixelOf(palette::kRed)));
    ClickAt(game, Pos2f{675.0f, 300.0f});
    EXPECT_TRUE(IsNear(See(game, 0, kLower).color, PixelOf(palette::kRed)));
    ClickAt(game, BoxOf(0, kLower));
    EXPECT_TRUE(IsNear(See(game, 0, kLower).color, PixelOf(palette::kBlue)));
    ClickAt(game, DeleteOf(0, kLower));
    row = See(game, 0, kLower);
    EXPECT_EQ(row.count, 1);
    EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));

    // Refresh of the first panel: a new number, both its fields a white 0 again; the
    // Binary panel keeps its number and its started answer.
    ClickAt(game, BoxOf(1, kUpper));
    Type(game, "42");
    std::srand(5);
    const int next = std::rand() % 4095 + 1;
    std::srand(5);
    ClickAt(game, Pos2f{PanelX(0) + 416.0f, 316.0f});
    EXPECT_EQ(game.GetPanel(0).GetNumber(), next);
    for (const float y : {kUpper, kLower}) {
        row = See(game, 0, y);
        EXPECT_EQ(row.count, 1);
        EXPECT_TRUE(IsNear(row.color, PixelOf(palette::kWhite)));
    }
    EXPECT_EQ(Field(game, 1, kUpper).GetText(), "42");
    EXPECT_EQ(game.GetPanel(1).GetNumber(), numbers[1]);
}

TEST_F(GameTest, KeysCountOnReleaseFromBothDigitRowsAndAsLowerCaseLetters) {
    Game game{kSpec};
    ClickAt(game, BoxOf(1, kLower)); // the Binary panel's hexadecimal field
    SDL_KeyboardEvent press{};
    press.keysym.sym = SDLK_7;
    press.repeat = 1;
    game.OnKeyDown(press);
    EXPECT_EQ(Field(game, 1, kLower).GetText(), "0") << "holding a key delivers nothing";
    KeyUp(game, SDLK_KP_7);
    KeyUp(game, SDLK_a, KMOD_LSHIFT | KMOD_CAPS);
    for (const SDL_Keycode ignored :
         {SDLK_g, SDLK_z, SDLK_BACKSPACE, SDLK_RETURN, SDLK_DELETE, SDLK_KP_PERIOD}) {
        KeyUp(game, ignored);
    }
    KeyUp(game, SDLK_KP_0);
    EXPECT_EQ(Field(game, 1, kLower).GetText(), "7a0");

    ClickAt(game, BoxOf(2, kUpper)); // the Decimal panel's binary field
    for (SDL_Keycode key = SDLK_KP_1; key <= SDLK_KP_9; ++key) {
        KeyUp(game, key);
    }
    KeyUp(game, SDLK_0);
    EXPECT_EQ(Field(game, 2, kUpper).GetText(), "10");
}

TEST_F(GameTest, OnlyLeftReleasesClickAndAtTheLastPointerPosition) {
    Game game{kSpec};
    MoveTo(game, BoxOf(2, kLower));
    Release(game, SDL_BUTTON_RIGHT);
    Release(game, SDL_BUTTON_MIDDLE);
    game.OnMouseDown(SDL_MouseButtonEvent{});
    EXPECT_EQ(Field(game, 2, kLower).GetState(), InputState::Idle) << "no left release yet";
    SDL_MouseButtonEvent release{};
    release.button = SDL_BUTTON_LEFT;
    release.x = 5; // the release's own coordinates play no part
    game.OnMouseUp(release);
    EXPECT_EQ(Field(game, 2, kLower).GetState(), InputState::Editing);
}

TEST_F(GameTest, TheGridIsDrawnOverThePanels) {
    // The borders follow the window: in a 200 x 190 one the top and right borders cross the
    // first panel's upper answer box, and must cover it.
    Game{WindowSpec{"Numeral Dojo", 200.0f, 190.0f, true}}.Draw();
    for (const auto& [x, y] : std::array<std::pair<int, int>, 7>{
             {{100, 187}, {100, 2}, {100, 245}, {2, 100}, {452, 120}, {902, 120}, {197, 170}}}) {
        EXPECT_TRUE(IsNear(ReadPixel(x, y), Pixel{0, 0, 0, 255}, 0)) << x << ", " << y;
    }
    EXPECT_TRUE(IsNear(ReadPixel(100, 170), Pixel{26, 26, 26, 255}, 1)) << "the box";
    EXPECT_TRUE(IsNear(ReadPixel(675, 120), kBoard, 1)) << "dark grey board";
}
