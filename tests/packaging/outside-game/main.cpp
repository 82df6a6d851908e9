// The smallest game on Tatami2D: a square turned by a matrix at the window's centre. After
// three frames it closes its own window; it exits with 0 only if every frame showed the
// square and the loop stopped drawing once the window was closed.
#include "tatami2d/app/Core.h"
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/render/Drawing.h"

#include <cstdio>
#include <memory>

#include <SDL_opengl.h>

namespace {

const int kFramesToDraw = 3;
int framesDrawn = 0;
int framesShowingTheSquare = 0;

} // namespace

class OutsideGame {
public:
    explicit OutsideGame(const WindowSpec& windowSpec)
        : center{windowSpec.width / 2.0f, windowSpec.height / 2.0f}, degrees{0.0f} {}

    void OnKeyDown(const SDL_KeyboardEvent&) {}
    void OnKeyUp(const SDL_KeyboardEvent&) {}
    void OnMouseMotion(const SDL_MouseMotionEvent&) {}
    void OnMouseDown(const SDL_MouseButtonEvent&) {}
    void OnMouseUp(const SDL_MouseButtonEvent&) {}

    void Update(float elapsedSec) { degrees += 90.0f * elapsedSec; }

    void Draw() const {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        const Matrix2x3 toWindow = Matrix2x3::CreateTranslationMatrix(center.x, center.y) *
                                   Matrix2x3::CreateRotationMatrix(degrees);
        util2d::SetColor(ColorRGBA{0.0f, 1.0f, 0.0f, 1.0f});
        util2d::FillPolygon(toWindow.Transform(Box2f{-40.0f, -40.0f, 80.0f, 80.0f}));

        GLubyte pixel[4]{};
        glReadPixels(static_cast<GLint>(center.x), static_cast<GLint>(center.y), 1, 1, GL_RGBA,
                     GL_UNSIGNED_BYTE, pixel);
        if (pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 0) {
            ++framesShowingTheSquare;
        }
        if (++framesDrawn == kFramesToDraw) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }

private:
    Pos2f center;
    float degrees;
};

int main() {
    auto core = std::make_unique<Core>(WindowSpec{"Outside game", 320.0f, 240.0f, true});
    if (!core->IsInitialized()) {
        return 1;
    }
    core->Run<OutsideGame>();
    core.reset();
    std::printf("outside game: %d frames drawn, %d showed the square\n", framesDrawn,
                framesShowingTheSquare);
    return framesDrawn == kFramesToDraw && framesShowingTheSquare == kFramesToDraw ? 0 : 1;
}
