#include "support/GLContextFixture.h"

#include <GL/glu.h>
#include <SDL_image.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>

void GLContextFixture::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    window = SDL_CreateWindow("test", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                              kHeight, SDL_WINDOW_OPENGL);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    context = SDL_GL_CreateContext(window);
    ASSERT_NE(context, nullptr) << SDL_GetError();

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, kWidth, 0.0, kHeight);
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    ASSERT_EQ(IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG, IMG_INIT_PNG) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0) << SDL_GetError();
}

void GLContextFixture::TearDown() {
    TTF_Quit();
    IMG_Quit();
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
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
