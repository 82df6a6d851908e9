#include "game/Game.h"

#include "game/GivenNumber.h"
#include "game/InputNumber.h"
#include "support/AllocationCounter.h"
#include "support/FrameImage.h"
#include "support/GLContextFixture.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/Sprite.h"
#include "tatami2d/render/Texture.h"
#include "tatami2d/render/View.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <optional>
#include <vector>

using namespace tatami2d;
using namespace dojo;

std::vector<int> drawn; // what the generator gave, through the wrapper below

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.0f, 345.0f, true};

// A panel's boxes from its origin (7.5 + 450 x panel, 285): each field's input box, Check, Delete
// and Refresh; then the panel's Fields() after a click in each.
const struct {
    float x, y, w, h;
    const char* hit;
} kBoxes[] = {
    {0, -135, 370, 50, "E1 I1"},  {0, -275, 370, 50, "I1 E1"}, {400, -85, 32, 32, "W1 I1"},
    {400, -225, 32, 32, "I1 W1"}, {352, -85, 32, 32, "I0 I1"}, {352, -225, 32, 32, "I1 I0"},
    {400, 15, 32, 32, "I0 I0"},
};
enum { kInput = 0, kDelete = 4, kRefresh = 6 }; // + 1 for the lower field

class GameTest : public GLContextFixture {
protected:
    void SetUp() override {
        GLContextFixture::SetUp();
        std::srand(99);
        drawn.clear();
        game.emplace(kSpec);
    }

    // As the core hands them over: whole pixels, y upwards, the position only in the motion.
    void ClickAt(const Pos2f& p, Uint8 button = SDL_BUTTON_LEFT) {
        game->OnMouseMotion({SDL_MOUSEMOTION, 0, 0, 0, 0, Sint32(p.x), Sint32(p.y), 0, 0});
        game->OnMouseUp({SDL_MOUSEBUTTONUP, 0, 0, 0, button, 0, 0, 0, 0, 0});
    }
    void ClickIn(int panel, int box) {
        const auto& b = kBoxes[box];
        ClickAt({7.5f + 450.0f * static_cast<float>(panel) + b.x + b.w / 2, 285 + b.y + b.h / 2});
    }
    void KeyUp(SDL_Keycode key) { game->OnKeyUp({SDL_KEYUP, 0, 0, 0, 0, 0, 0, {{}, key, 0, 0}}); }
    // Both fields of a panel as e.g. "E12 I0": state (Editing, Idle, Correct, Wrong), text.
    std::string Fields(int panel) const {
        const GivenNumber& p = game->GetPanel(static_cast<size_t>(panel));
        return Field(p.GetFirstField()) + " " + Field(p.GetSecondField());
    }
    static std::string Field(const InputNumber& f) {
        return "EICW"[static_cast<int>(f.GetState())] + f.GetText();
    }

    std::optional<Game> game;
};

} // namespace

TEST_F(GameTest, PanelsTakeNumbersInBoardOrderAndNewOnesOnlyFromRefresh) {
    ClickIn(1, kInput);
    game->Draw();
    ClickIn(1, kRefresh);
    for (const int i : {0, 1, 2}) {
        EXPECT_EQ(game->GetPanel(static_cast<size_t>(i)).GetNumber(),
                  drawn.at(i == 1 ? 3 : i) % 4095 + 1);
    }
}

// Every box, clicked at its top-left and bottom-right whole pixels and just beyond each side.
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
                ClickAt(p);
                EXPECT_EQ(Fields(panel), inside ? box.hit : "I1 I1")
                    << "panel " << panel << ", click at " << p.x << ", " << p.y;
            }
        }
    }
}

TEST_F(GameTest, DigitAndLetterKeysCountOnReleaseFromEitherRow) {
    // Main-row key codes are their characters; the keypad's run from Enter to the period.
    const std::string characters = "/0123456789:`abcdefgz";
    std::vector<SDL_Keycode> keys{SDLK_BACKSPACE, SDLK_DELETE};
    keys.insert(keys.end(), characters.begin(), characters.end());
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
    // Only the left button clicks: nothing changes in the first panel's upper box.
    ClickAt({190.0f, 175.0f}, SDL_BUTTON_RIGHT);
    EXPECT_EQ(Fields(0) + " " + Fields(1), "I0 I0 I0 E1");
}

// In a window smaller than the board, the top and right borders run over the boxes they cross.
TEST_F(GameTest, TheGridFollowsTheWindowsEdgesOverTheBoard) {
    game.emplace(WindowSpec{"Numeral Dojo", 1000.0f, 200.0f, true});
    game->Draw();
    const Pixel top = ReadPixel(100, 197), right = ReadPixel(997, 175);
    EXPECT_EQ(top.r + top.g + top.b + right.r + right.g + right.b, 0);
}

// From a fixed seed; tests/web holds the browser's first frame to this picture, numbers left out.
TEST_F(GameTest, TheFirstFrameMatchesItsPicture) {
    std::srand(1);
    game.emplace(kSpec);
    game->Update(0.016f);
    game->Draw();
    ExpectFrameMatches(*CaptureFrame(kWidth, kHeight),
                       DOJO_SOURCE_DIR "/tests/game/first-frame.png",
                       testing::TempDir() + "first-frame.png");
}

// Also the curves and polygons the board does not draw, and turned, tinted images in a view.
TEST_F(GameTest, SteadyFramesAllocateNothing) {
    ClickIn(1, kInput); // a field being edited, as in play; the numbers are formed every frame
    const Pos2f triangle[]{{0, 0}, {50, 0}, {50, 50}};
    const Texture sheet{"Resources/green.png"};
    const Sprite glyph{"Resources/green.png", 16, 1, Pos2f{}};
    View camera{Pos2f{100, 100}, 400, 200};
    camera.SetRotation(0.3f);
    for (const DrawingProfile profile :
         {DrawingProfile::FixedFunction, DrawingProfile::WebSubset}) {
        SetDrawingProfile(profile);
        std::size_t before = 0;
        for (int frame = 0; frame < 300; ++frame) {
            before = frame == 1 ? HeapAllocationCount() : before; // the driver builds on first use
            game->Update(0.016f);
            camera.Apply();
            game->Draw();
            sheet.Draw(Placement{{50, 50}, {10, 10}, 0.5f, {-2, 1}}, Box2f{},
                       ColorRGBA{1, 0, 0, 0.5f});
            glyph.Draw(Matrix2x3::CreateRotationMatrix(30.0f), ColorRGBA{0, 1, 0, 1});
            camera.WindowToWorld(camera.WorldToWindow(Pos2f{3, 4}));
            View::ApplyDefault();
            util2d::DrawEllipse(50, 50, 40, 20, 2.0f);
            util2d::FillArc(50, 50, 30, 30, 0.0f, 2.0f);
            util2d::DrawPolygon(triangle, 3, true, 3.0f);
            util2d::FillPolygon(triangle, 3);
        }
        EXPECT_EQ(HeapAllocationCount() - before, 0u) << static_cast<int>(profile);
    }
    SetDrawingProfile(DrawingProfile::FixedFunction);
}

// The program run twice, each time in a second of its own from the same generator state; its
// loop ends at the first event, a quit.
int NumeralDojoMain(int argc, char* argv[]);
std::time_t now = 0;
std::string program; // what the program asked of the libraries
extern "C" {
std::time_t __wrap_time(std::time_t* /*t*/) {
    return now;
}
int __real_rand();
int __wrap_rand() {
    drawn.push_back(__real_rand());
    return drawn.back();
}
int __real_mallopt(int param, int value);
int __wrap_mallopt(int param, int value) {
    program += "mallopt " + std::to_string(param) + " " + std::to_string(value) + "|";
    return __real_mallopt(param, value);
}
int __real_SDL_PollEvent(SDL_Event* event);
int __wrap_SDL_PollEvent(SDL_Event* event) {
    if (now == 0 || program.find("loop") != std::string::npos) {
        return __real_SDL_PollEvent(event);
    }
    program += "loop|";
    event->type = SDL_QUIT;
    return 1;
}
}

TEST(NumeralDojo, TwoGamesStartedInDifferentSecondsShowDifferentNumbers) {
    std::vector<int> firstNumbers;
    for (const std::time_t second : {1000, 1001}) {
        std::srand(1);
        now = second;
        drawn.clear();
        program.clear();
        EXPECT_EQ(NumeralDojoMain(0, nullptr), 0);
        // It keeps freed memory: well above what a frame frees.
        EXPECT_EQ(program, "mallopt " + std::to_string(M_TRIM_THRESHOLD) + " " +
                               std::to_string(64 * 1024 * 1024) + "|loop|");
        ASSERT_EQ(drawn.size(), 3u) << "one number for each panel";
        EXPECT_NE(drawn, firstNumbers);
        firstNumbers = drawn;
    }
    now = 0;
}
