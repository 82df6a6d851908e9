#include "tatami2d/app/Core.h"

#include "game/Game.h"
#include "tatami2d/app/VideoDriver.h"

#include <array>
#include <iostream>
#include <sstream>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.9f, 345.0f, true};

// Runs the loop with stdin read from `in`; returns what it wrote to stderr.
std::string RunLoop(Core& core, std::istringstream& in) {
    std::streambuf* oldIn = std::cin.rdbuf(in.rdbuf());
    testing::internal::CaptureStderr();
    core.Run<Game>();
    std::cin.rdbuf(oldIn);
    return testing::internal::GetCapturedStderr();
}

// Notes whether the textures a game makes while it is built can share their loads, and
// whether that sharing has ended by its first frame, which quits.
struct LoadProbe {
    explicit LoadProbe(const WindowSpec&) { builtInScope = TextureLoadScope::Live() != nullptr; }
    void OnKeyDown(const SDL_KeyboardEvent&) {}
    void OnKeyUp(const SDL_KeyboardEvent&) {}
    void OnMouseMotion(const SDL_MouseMotionEvent&) {}
    void OnMouseDown(const SDL_MouseButtonEvent&) {}
    void OnMouseUp(const SDL_MouseButtonEvent&) {}
    void Update(float) {
        scopeAtFirstFrame = TextureLoadScope::Live() != nullptr;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
    void Draw() const {}

    static inline bool builtInScope = false;
    static inline bool scopeAtFirstFrame = true;
};

} // namespace

TEST(Core, TheGameIsBuiltSharingLoadsThatEndBeforeItsFirstFrame) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    core.Run<LoadProbe>();
    EXPECT_TRUE(LoadProbe::builtInScope);
    EXPECT_FALSE(LoadProbe::scopeAtFirstFrame);
}

TEST(Core, OpensTheWindowWithAPixelProjectionFromTheFloatSize) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Numeral Dojo");
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 1350) << "the window takes the width truncated";
    EXPECT_EQ(h, 345);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 1350, 345}));
    // The projection takes the float width: x = 1350.9 maps to the right edge, y = 0 to
    // the bottom.
    std::array<GLfloat, 16> m{};
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    EXPECT_FLOAT_EQ(m[0] * 1350.9f + m[12], 1.0f);
    EXPECT_FLOAT_EQ(m[13], -1.0f);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint src = 0, dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
}

TEST(Core, NoFrameIsDrawnOnThePassThatSawQuit) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    std::istringstream in;
    EXPECT_EQ(RunLoop(core, in), "");
    // The game would have cleared to dark grey; the red back buffer survives.
    std::array<GLubyte, 4> pixel{};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    EXPECT_EQ(pixel, (std::array<GLubyte, 4>{255, 0, 0, 255}));
}

TEST(Core, FailedStartUpReportsAndRunWaitsForOneCharacter) {
    SDL_setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    Core core{kSpec};
    const std::string initError = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(core.IsInitialized());
    EXPECT_EQ(initError.rfind("Core::Initialize( ), error when calling SDL_Init: ", 0), 0u);
    EXPECT_GT(initError.size(), 50u) << "SDL's error text follows";
    EXPECT_EQ(initError.back(), '\n');

    std::istringstream in{"xy"};
    EXPECT_EQ(RunLoop(core, in),
              "Core::Run( ), Core not correctly initialized, unable to run the game\n");
    EXPECT_EQ(in.get(), 'y') << "exactly one character is read";
}

TEST(Core, AFallbackDriverThatShowsNothingFailsUnlessAskedFor) {
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", nullptr));
    EXPECT_TRUE(IsUnseenFallbackDriver("dummy", ""));
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", "x11,offscreen2"));
    EXPECT_FALSE(IsUnseenFallbackDriver("x11", nullptr));
    EXPECT_FALSE(IsUnseenFallbackDriver("offscreen", "wayland,OffScreen"));
    EXPECT_FALSE(IsUnseenFallbackDriver("dummy", "dummy"));
}
