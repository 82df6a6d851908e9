// The smallest game on the installed Tatami2D: it fills a square placed by a matrix and
// closes its own window after three frames. It exits with 0 only if the loop then stopped.
#include "tatami2d/app/Core.h"
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/render/Drawing.h"

int framesDrawn = 0;

class OutsideGame {
public:
    explicit OutsideGame(const WindowSpec&) {}
    void OnKeyDown(const SDL_KeyboardEvent&) {}
    void OnKeyUp(const SDL_KeyboardEvent&) {}
    void OnMouseMotion(const SDL_MouseMotionEvent&) {}
    void OnMouseDown(const SDL_MouseButtonEvent&) {}
    void OnMouseUp(const SDL_MouseButtonEvent&) {}
    void Update(float) {}

    void Draw() const {
        const Matrix2x3 toWindow = Matrix2x3::CreateTranslationMatrix(100.0f, 100.0f);
        util2d::FillPolygon(toWindow.Transform(Box2f{-40.0f, -40.0f, 80.0f, 80.0f}));
        if (++framesDrawn == 3) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }
};

int main() {
    Core core{WindowSpec{"Outside game", 320.0f, 240.0f, true}};
    if (core.IsInitialized()) {
        core.Run<OutsideGame>();
    }
    return framesDrawn == 3 ? 0 : 1;
}
