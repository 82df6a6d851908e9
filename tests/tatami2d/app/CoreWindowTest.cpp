#include "support/ScriptedRun.h"
#include "tatami2d/app/FullScreen.h"
#include "tatami2d/app/Log.h"

#include <array>
#include <cmath>
#include <string>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;
using namespace scripted;

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
                           std::abs(m[0] * a.logicalWidth - 2.0f) < 1e-5f &&
                           std::abs(m[5] * a.logicalHeight - 2.0f) < 1e-5f;
    return std::to_string(a.left) + "," + std::to_string(a.bottom) + " " + std::to_string(a.width) +
           "x" + std::to_string(a.height) + (glIsEnabled(GL_SCISSOR_TEST) ? " clipped" : "") +
           (viewport == std::array<GLint, 4>{a.left, a.bottom, a.width, a.height} ? "" : " off") +
           (projected ? "" : " unprojected");
}

void NoteArea() {
    heard += AreaText() + "|";
}

// Clears its logical window blue; in a frame, notes the pixels of a column down the middle of
// a 320 x 480 window: the top bar, the logical window, the bottom bar.
struct Painter : scripted::Game {
    using Game::Game;
    void Draw() {
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        for (const int y : {420, 240, 60}) {
            std::array<Uint8, 4> p{};
            glReadPixels(160, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
            heard += frameSeconds < 0.0f ? ""
                     : p[2] == 255       ? "blue|"
                     : p[0] + p[2]       ? "?|"
                                         : "black|";
        }
    }
};

void SetSize(int width, int height) {
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), width, height);
}

} // namespace

TEST(CoreWindow, AResizedWindowKeepsTheLogicalWindowFittedBetweenBlackBars) {
    Core core{kSpec, WindowOptions{true, false, true}};
    ASSERT_TRUE(core.IsInitialized());
    EXPECT_EQ(SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) &
                  (SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI),
              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    Play<Painter>(core, {[] {
                             // A projection of the game's own, which the layout replaces.
                             glMatrixMode(GL_PROJECTION);
                             glScalef(2.0f, 2.0f, 1.0f);
                             glMatrixMode(GL_MODELVIEW);
                             SetSize(320, 480);
                         },
                         [] {
                             NoteArea();
                             Click(160, 240);
                             Click(0, 0); // the top bar's corner
                             frameSeconds = 0.0f;
                         },
                         [] {
                             pixelsPerPoint = 0; // minimised
                             Push(WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED));
                         },
                         [] {
                             NoteArea();
                             pixelsPerPoint = 2; // moved to a display of twice the density
                             Push(WindowEvent(SDL_WINDOWEVENT_DISPLAY_CHANGED));
                         },
                         [] {
                             NoteArea();
                             Click(160, 240);
                             pixelsPerPoint = 1;
                             SetSize(1, 1);
                         },
                         [] {
                             NoteArea();
                             SetSize(640, 480);
                         },
                         [] { NoteArea(); }});
    EXPECT_EQ(heard, "0,120 320x240 clipped|black|blue|black|down 320,240|down 0,720|"
                     "0,120 320x240 clipped|0,240 640x480 clipped|down 320,240|0,0 1x1|"
                     "0,0 640x480|");
}

TEST(CoreWindow, AFixedWindowGoesFullScreenAndBackToItsSize) {
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    EXPECT_FALSE(SetFullScreen(true) || IsFullScreen()) << "no window";
    Core core{kSpec}; // without options: fixed, filling the drawable
    ASSERT_TRUE(core.IsInitialized());
    EXPECT_EQ(SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) &
                  (SDL_WINDOW_RESIZABLE | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI),
              0u);
    EXPECT_EQ(AreaText(), "0,0 640x480");
    const auto ask = [](bool fullScreen) {
        const bool done = SetFullScreen(fullScreen);
        Note("%d%d", done, IsFullScreen());
    };
    Play<scripted::Game>(core, {[&] { ask(true); },
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
