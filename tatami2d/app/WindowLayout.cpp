#include "tatami2d/app/WindowLayout.h"

#include "tatami2d/app/DrawAreaFit.h"
#include "tatami2d/math/ColorRGBA.h"

#include <algorithm>

#include <GL/glu.h>
#include <SDL_opengl.h>

namespace tatami2d {

WindowLayout::WindowLayout(SDL_Window* window, float logicalWidth, float logicalHeight)
    : window{window}, logicalWidth{logicalWidth}, logicalHeight{logicalHeight}, mouse{}, hasBars{} {
    LayOut();
}

void WindowLayout::Follow(const SDL_Event& event) {
    if (event.type != SDL_WINDOWEVENT) {
        return;
    }
    switch (event.window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED: // another density, maybe
        LayOut();
        break;
    default:
        break;
    }
}

void WindowLayout::ClearBars() const {
    if (!hasBars) {
        return;
    }
    const ColorRGBA black{};
    glDisable(GL_SCISSOR_TEST);
    glClearColor(black.r, black.g, black.b, black.a);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
}

void WindowLayout::LayOut() {
    int windowWidth{}, windowHeight{}, drawableWidth{}, drawableHeight{};
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    if (std::min(drawableWidth, drawableHeight) <= 0) {
        return;
    }
    const DrawArea area = FitDrawArea(drawableWidth, drawableHeight, logicalWidth, logicalHeight);
    glViewport(area.left, area.bottom, area.width, area.height);
    // One world unit per logical pixel, origin at the bottom-left corner, y upwards.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, logicalWidth, 0.0, logicalHeight);
    glMatrixMode(GL_MODELVIEW);
    // A game's own clear stays inside the area, so the bars stay black.
    hasBars = area.width != drawableWidth || area.height != drawableHeight;
    if (hasBars) {
        glScissor(area.left, area.bottom, area.width, area.height);
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
    SetDrawArea(area);
    mouse = MouseMapping{windowWidth, windowHeight, drawableWidth, drawableHeight, area};
}

} // namespace tatami2d
