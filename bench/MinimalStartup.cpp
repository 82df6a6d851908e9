// The baselines of the start-up benchmark: the same SDL, OpenGL and media initialisation
// as the game's core, then one buffer swap. Built with DRAW_PRIMITIVES it first draws one
// of each kind of primitive the game draws (a textured quad, a filled box, a wide line),
// which on a software renderer costs the compilation of their shader variants.
#include <GL/glu.h>
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>

int main(int /*argc*/, char* /*argv*/[]) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_Window* window = SDL_CreateWindow("Numeral Dojo", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, 1350, 345, SDL_WINDOW_OPENGL);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (window == nullptr || context == nullptr || SDL_GL_SetSwapInterval(1) < 0) {
        return 1;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, 1350.0, 0.0, 345.0);
    glViewport(0, 0, 1350, 345);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if ((IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) == 0 || TTF_Init() == -1 ||
        Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        return 1;
    }
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
#ifdef DRAW_PRIMITIVES
    static unsigned char pixels[32 * 32 * 4];
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 32, 32, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(10.0f, 10.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(10.0f, 42.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(42.0f, 42.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(42.0f, 10.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.1f, 0.1f, 0.1f, 1.0f);
    glBegin(GL_POLYGON);
    glVertex2f(100.0f, 100.0f);
    glVertex2f(470.0f, 100.0f);
    glVertex2f(470.0f, 150.0f);
    glVertex2f(100.0f, 150.0f);
    glEnd();
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glLineWidth(5.0f);
    glBegin(GL_LINES);
    glVertex2f(0.0f, 245.0f);
    glVertex2f(1350.0f, 245.0f);
    glEnd();
#endif
    SDL_GL_SwapWindow(window);
    return 0;
}
