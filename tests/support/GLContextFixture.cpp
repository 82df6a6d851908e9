#include "support/GLContextFixture.h"

#include <SDL_opengl.h>

using namespace tatami2d;

void GLContextFixture::SetUp() {
    core = std::make_unique<Core>(WindowSpec{"test", kWidth, kHeight, false});
    ASSERT_TRUE(core->IsInitialized());
}

Pixel GLContextFixture::ReadPixel(int x, int y) const {
    Pixel pixel{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    return pixel;
}

void GLContextFixture::Clear(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
