#pragma once

#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/WindowSpec.h"

#include <memory>
#include <vector>

#include <SDL.h>

namespace dojo {

class GivenNumber;

// The board: three number panels side by side (Hexadecimal, Binary, Decimal), framed by
// a grid drawn on top of them. Typed digits (on key release) and left clicks (on button
// release, at the last pointer position) go to every panel, which decides for itself.
class Game {
public:
    explicit Game(const tatami2d::WindowSpec& windowSpec);
    ~Game();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void Update(float elapsedSec);
    void Draw() const;

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& e);
    void OnMouseMotion(const SDL_MouseMotionEvent& e);
    void OnMouseDown(const SDL_MouseButtonEvent& e);
    void OnMouseUp(const SDL_MouseButtonEvent& e);

    // The panels in board order, left to right.
    const GivenNumber& GetPanel(size_t index) const { return *panels.at(index); }

private:
    void Initialize();
    void Cleanup();
    void ClearBackground() const;
    void DrawGrid() const;

    tatami2d::WindowSpec windowSpec;
    std::vector<std::unique_ptr<GivenNumber>> panels;
    tatami2d::Pos2f mousePos;
    tatami2d::ColorRGBA lineColor;
};

} // namespace dojo
