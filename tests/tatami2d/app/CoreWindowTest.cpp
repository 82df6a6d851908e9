#include "ScriptedGame.h"
#include "tatami2d/app/DrawArea.h"
#include "tatami2d/app/FullScreen.h"
#include "tatami2d/app/Log.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;

// Windows that change size on SDL's offscreen driver, whose desktop is 1024 x 768. Its
// drawable keeps the size it opened with, so pixels are read only in windows made smaller.
// The drawable's size as Core asks it can be made that of a high-density display, or of a
// minimised window.

namespace {

int pixelsPerPoint = 1; // 0: minimised

} // namespace

extern "C" {
void __real_SDL_GL_GetDrawableSize(SDL_Window* window, int* w, int* h);
void __wrap_SDL_GL_GetDrawableSize(SDL_Window* window, int* w, int* h) {
    __real_SDL_GL_GetDrawableSize(window, w, h);
    *w *= pixelsPerPoint;
    *h *= pixelsPerPoint;
}
}

namespace {

const WindowSpec kSpec{"windows", 640.0f, 480.0f, false};

// The draw area, and whether the viewport, the clipping and the projection of the logical
// size follow it.
std::string AreaText() {
    const DrawArea a = GetDrawArea();
    std::array<GLint, 4> viewport{};
    std::array<GLfloat, 16> m{};
    GLint matrixMode = 0;
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    const bool projected = matrixMode == GL_MODELVIEW && m[12] == -1.0f && m[13] == -1.0f &&
                           std::abs(m[0] * a.logicalWidth + m[12] - 1.0f) < 1e-5f &&
                           std::abs(m[5] * a.logicalHeight + m[13] - 1.0f) < 1e-5f;
    return std::to_string(a.left) + "," + std::to_string(a.bottom) + " " + std::to_string(a.width) +
           "x" + std::to_string(a.height) + (glIsEnabled(GL_SCISSOR_TEST) ? " clipped" : "") +
           (viewport == std::array<GLint, 4>{a.left, a.bottom, a.width, a.height} ? ""
                                                                                  : " elsewhere") +
           (projected ? "" : " unprojected");
}

void NoteArea() {
    heard += AreaText() + "|";
}

bool notePixels = false;

// Clears its logical window blue; asked to, notes the pixels of a column down the middle of a
// 320 x 480 window: the top bar, the logical window, the bottom bar.
struct Painter : ScriptedGame {
    using ScriptedGame::ScriptedGame;
    void Draw() {
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        if (std::exchange(notePixels, false)) {
            for (const int y : {420, 240, 60}) {
                std::array<Uint8, 4> pixel{};
                glReadPixels(160, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
                Note(pixel[2] == 255                       ? "blue"
                     : pixel[0] + pixel[1] + pixel[2] == 0 ? "black"
                                                           : "?");
            }
        }
    }
};

} // namespace

TEST(CoreWindow, WithoutOptionsTheWindowIsFixedAndFillsTheDrawable) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    const Uint32 flags = SDL_GetWindowFlags(SDL_GL_GetCurrentWindow());
    EXPECT_EQ(flags &
                  (SDL_WINDOW_RESIZABLE | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI),
              0u);
    EXPECT_EQ(AreaText(), "0,0 640x480");
}

TEST(CoreWindow, AResizedWindowKeepsTheLogicalWindowFittedBetweenBlackBars) {
    Core core{kSpec, WindowOptions{true, false, true}};
    ASSERT_TRUE(core.IsInitialized());
    const Uint32 flags = SDL_GetWindowFlags(SDL_GL_GetCurrentWindow());
    EXPECT_EQ(flags & (SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI),
              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    SDL_Event middle{SDL_MOUSEBUTTONDOWN}, corner{SDL_MOUSEBUTTONDOWN};
    middle.button.x = 160;
    middle.button.y = 240;
    const auto resize = [](int width, int height) {
        SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), width, height);
    };
    RunScript<Painter>(core, {[&] {
                                  // A projection of the game's own, which the layout replaces.
                                  glMatrixMode(GL_PROJECTION);
                                  glScalef(2.0f, 2.0f, 1.0f);
                                  glMatrixMode(GL_MODELVIEW);
                                  resize(320, 480);
                              },
                              [&] {
                                  NoteArea();
                                  Push(middle);
                                  Push(corner); // in the top bar
                                  notePixels = true;
                              },
                              [] {
                                  pixelsPerPoint = 0; // minimised
                                  Push(WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED));
                              },
                              [] {
                                  NoteArea();
                                  // Moved to a display of twice the density.
                                  pixelsPerPoint = 2;
                                  Push(WindowEvent(SDL_WINDOWEVENT_DISPLAY_CHANGED));
                              },
                              [&] {
                                  NoteArea();
                                  Push(middle);
                                  pixelsPerPoint = 1;
                                  resize(1, 1);
                              },
                              [&] {
                                  NoteArea();
                                  resize(640, 480);
                              },
                              [] { NoteArea(); }});
    EXPECT_EQ(heard, "0,120 320x240 clipped|black|blue|black|down 320,240|down 0,720|"
                     "0,120 320x240 clipped|0,240 640x480 clipped|down 320,240|0,0 1x1|"
                     "0,0 640x480|");
}

TEST(CoreWindow, FullScreenAndBackToTheSizeTheWindowHad) {
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    EXPECT_FALSE(SetFullScreen(true)) << "no window";
    EXPECT_FALSE(IsFullScreen());
    {
        // Opened full screen: the 16:9 logical window spans the 4:3 desktop's width.
        Core core{WindowSpec{"wide", 800.0f, 450.0f, false}, WindowOptions{false, true, false}};
        ASSERT_TRUE(core.IsInitialized());
        EXPECT_TRUE(IsFullScreen());
        EXPECT_EQ(AreaText(), "0,96 1024x576 clipped");
    }
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    // Each asking, then whether the window is full screen.
    const auto ask = [](bool fullScreen) {
        const bool done = SetFullScreen(fullScreen);
        Note("%d%d", done, IsFullScreen());
    };
    RunScript<ScriptedGame>(core, {[&] { ask(true); },
                                   [&] {
                                       NoteArea();
                                       ask(true);
                                       ask(false);
                                   },
                                   [] { NoteArea(); }});
    SetLogSink(nullptr);
    EXPECT_EQ(heard, "11|0,0 1024x768|11|10|0,0 640x480|");
    EXPECT_EQ(log.rfind("SetFullScreen(..), error when calling SDL_SetWindowFullscreen: ", 0), 0u);
    EXPECT_EQ(log.back(), '\n');
}
