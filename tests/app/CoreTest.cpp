#include "app/Core.h"

#include <array>
#include <iostream>
#include <sstream>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.0f, 345.0f, true};

// Runs the core's loop with a quit event already queued and stdin replaced by `input`.
std::string RunCapturingStderr(Core& core, const std::string& input) {
    std::istringstream in{input};
    std::ostringstream err;
    std::streambuf* oldIn = std::cin.rdbuf(in.rdbuf());
    std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
    core.Run();
    std::cin.rdbuf(oldIn);
    std::cerr.rdbuf(oldErr);
    return err.str();
}

void PushQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

} // namespace

TEST(Core, InitializeOpensTheWindowWithAPixelProjection) {
    Core core{WindowSpec{"Numeral Dojo", 1350.9f, 345.0f, true}};
    ASSERT_TRUE(core.IsInitialized());

    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Numeral Dojo");
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 1350) << "the window takes the float width truncated";
    EXPECT_EQ(h, 345);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 1350, 345}));

    // The projection uses the float width: x = 1350.9 maps to the right edge (+1).
    std::array<GLfloat, 16> projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    EXPECT_FLOAT_EQ(projection[0] * 1350.9f + projection[12], 1.0f);
    EXPECT_FLOAT_EQ(projection[5] * 345.0f + projection[13], 1.0f);
    EXPECT_FLOAT_EQ(projection[13], -1.0f) << "y = 0 is the bottom edge";

    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint src = 0;
    GLint dst = 0;
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
    PushQuit();

    EXPECT_EQ(RunCapturingStderr(core, ""), "");

    // The game would have cleared to dark grey; the red of the back buffer survives.
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
    EXPECT_EQ(initError.rfind("Core::Initialize( ), error when calling SDL_Init: ", 0), 0u)
        << initError;
    EXPECT_EQ(initError.back(), '\n');

    std::istringstream in{"xy"};
    std::streambuf* oldIn = std::cin.rdbuf(in.rdbuf());
    testing::internal::CaptureStderr();
    core.Run();
    const std::string runError = testing::internal::GetCapturedStderr();
    std::cin.rdbuf(oldIn);
    EXPECT_EQ(runError, "Core::Run( ), Core not correctly initialized, unable to run the game\n");
    EXPECT_EQ(in.get(), 'y') << "exactly one character is consumed";
}
