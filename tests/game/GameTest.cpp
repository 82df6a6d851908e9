#include "game/Game.h"

#include "game/GivenNumber.h"
#include "game/InputNumber.h"
#include "support/AllocationCounter.h"
#include "support/GLContextFixture.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.0f, 345.0f, true};
const Pos2f kAway{675.0f, 300.0f}; // between the labels: no box

// The boxes of a panel from its origin (7.5 + 450 x panel, 285): the upper and lower field's
// input box, Check and Delete (buttons are 32 x 32), and Refresh; with the panel's fields after
// a click in each, as in Fields().
const struct {
    float x, y, w, h;
    const char* hit;
} kBoxes[] = {
    {0, -135, 370, 50, "E1 I1"},  {0, -275, 370, 50, "I1 E1"}, {400, -85, 32, 32, "W1 I1"},
    {400, -225, 32, 32, "I1 W1"}, {352, -85, 32, 32, "I0 I1"}, {352, -225, 32, 32, "I1 I0"},
    {400, 15, 32, 32, "I0 I0"},
};
enum { kInput = 0, kDelete = 4 }; // + 1 for the lower field

class GameTest : public GLContextFixture {
protected:
    void SetUp() override {
        GLContextFixture::SetUp();
        std::srand(99);
        game.emplace(kSpec);
    }
    void TearDown() override {
        game.reset();
        GLContextFixture::TearDown();
    }

    // As the core hands events over: whole pixels, y already upwards.
    void ClickAt(const Pos2f& p) {
        SDL_MouseMotionEvent motion{};
        motion.x = static_cast<Sint32>(p.x);
        motion.y = static_cast<Sint32>(p.y);
        game->OnMouseMotion(motion);
        SDL_MouseButtonEvent release{};
        release.button = SDL_BUTTON_LEFT;
        game->OnMouseUp(release);
    }
    // A click in the middle of a box of kBoxes.
    void ClickIn(int panel, int box) {
        const auto& b = kBoxes[box];
        ClickAt({7.5f + 450.0f * static_cast<float>(panel) + b.x + b.w / 2, 285 + b.y + b.h / 2});
    }
    void KeyUp(SDL_Keycode key) {
        SDL_KeyboardEvent e{};
        e.keysym.sym = key;
        game->OnKeyUp(e);
    }
    // Both fields of a panel as e.g. "E12 I0": state (Editing, Idle, Correct, Wrong), text.
    std::string Fields(int panel) const {
        const GivenNumber& p = game->GetPanel(static_cast<size_t>(panel));
        std::string s;
        for (const InputNumber* f : {&p.GetFirstField(), &p.GetSecondField()}) {
            s += (s.empty() ? "" : " ") + std::string{"EICW"[static_cast<int>(f->GetState())]} +
                 f->GetText();
        }
        return s;
    }

    std::optional<Game> game;
};

} // namespace

TEST_F(GameTest, PanelsTakeTheirNumbersInBoardOrder) {
    std::srand(99);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(game->GetPanel(i).GetNumber(), std::rand() % 4095 + 1);
    }
}

// Every box of every panel, clicked at its top-left and bottom-right corners (whole pixels) and
// just beyond each side, with both fields of the panel idle and holding "1".
TEST_F(GameTest, EachBoxTakesClicksOnItsCornersAndNoneBesideThem) {
    for (int panel = 0; panel < 3; ++panel) {
        for (const auto& box : kBoxes) {
            const float left = 7.5f + 450.0f * static_cast<float>(panel) + box.x;
            const float l = std::ceil(left), r = std::floor(left + box.w);
            const float b = 285 + box.y, t = b + box.h;
            const std::pair<Pos2f, bool> probes[] = {
                {{l, t}, true}, {{l - 1, t}, false}, {{l, t + 1}, false},
                {{r, b}, true}, {{r + 1, b}, false}, {{r, b - 1}, false},
            };
            for (const auto& [p, inside] : probes) {
                for (const int f : {0, 1}) {
                    ClickIn(panel, kDelete + f);
                    ClickIn(panel, kInput + f);
                    KeyUp(SDLK_1);
                }
                ClickAt(kAway);
                ASSERT_EQ(Fields(panel), "I1 I1");
                ClickAt(p);
                EXPECT_EQ(Fields(panel), inside ? box.hit : "I1 I1")
                    << "panel " << panel << ", click at " << p.x << ", " << p.y;
            }
        }
    }
}

TEST_F(GameTest, DigitAndLetterKeysCountOnReleaseFromEitherRow) {
    // Main-row key codes are their characters; the keypad's run from Enter to the period.
    std::vector<SDL_Keycode> keys{SDLK_BACKSPACE, SDLK_DELETE};
    for (const char c : std::string{"/0123456789:`abcdefgz"}) {
        keys.push_back(c);
    }
    for (SDL_Keycode k = SDLK_KP_ENTER; k <= SDLK_KP_PERIOD; ++k) {
        keys.push_back(k);
    }
    std::string typed; // each key after a 1 in the Binary panel's hexadecimal field
    for (const SDL_Keycode key : keys) {
        ClickIn(1, kDelete + 1);
        ClickIn(1, kInput + 1);
        KeyUp(SDLK_1);
        KeyUp(key);
        typed += (Fields(1) + ".").at(5);
    }
    EXPECT_EQ(typed, "...0123456789..abcdef...1234567890.");
    SDL_KeyboardEvent press{};
    press.keysym.sym = SDLK_7;
    game->OnKeyDown(press);
    EXPECT_EQ(Fields(1), "I0 E1") << "a key counts when released, not pressed";
}

TEST_F(GameTest, OnlyLeftReleasesClickAndAtTheLastPointerPosition) {
    SDL_MouseMotionEvent motion{};
    motion.x = 190;
    motion.y = 175;
    game->OnMouseMotion(motion);
    SDL_MouseButtonEvent release{};
    for (const int button : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE}) {
        release.button = static_cast<Uint8>(button);
        game->OnMouseUp(release);
    }
    release.button = SDL_BUTTON_LEFT;
    game->OnMouseDown(release);
    EXPECT_EQ(Fields(0), "I0 I0") << "no left release yet";
    release.x = 5; // the release's own coordinates play no part
    game->OnMouseUp(release);
    EXPECT_EQ(Fields(0), "E0 I0");
}

TEST_F(GameTest, TheGridIsDrawnOverThePanelsAlongTheWindowsEdges) {
    // In a 1000 x 200 window the top and right borders cross answer boxes and must cover them.
    game.emplace(WindowSpec{"Numeral Dojo", 1000.0f, 200.0f, true});
    game->Draw();
    const struct {
        int x, y;
        bool line;
    } pixels[] = {
        {100, 194, false}, {100, 195, true}, {100, 199, true}, {100, 200, false}, // top
        {100, 4, true},    {100, 5, false},                                       // bottom
        {100, 241, false}, {100, 242, true}, {100, 246, true}, {100, 247, false}, // middle
        {4, 175, true},    {5, 175, false},                                       // left
        {449, 175, false}, {450, 175, true}, {454, 175, true}, {455, 175, false},
        {899, 175, false}, {900, 175, true}, {904, 175, true}, {905, 175, false},
        {994, 175, false}, {995, 175, true}, {999, 175, true}, {1000, 175, false}, // right
    };
    for (const auto& [x, y, line] : pixels) {
        const Pixel p = ReadPixel(x, y);
        EXPECT_EQ(p.r + p.g + p.b == 0, line) << x << ", " << y;
    }
    EXPECT_EQ(ReadPixel(675, 120).g, 38) << "dark grey board";
}

TEST_F(GameTest, SteadyFramesAllocateNothing) {
    ClickIn(1, kInput); // a field being edited, as in play; the numbers are formed every frame
    game->Draw();       // the driver builds its shaders on first use
    const std::size_t before = HeapAllocationCount();
    for (int frame = 0; frame < 300; ++frame) {
        game->Update(0.016f);
        game->Draw();
    }
    EXPECT_EQ(HeapAllocationCount() - before, 0u);
}
