#pragma once

#include "math/WindowSpec.h"

#include <SDL.h>

// The board: lays out the number panels, frames them with a grid and routes input.
class Game {
public:
    explicit Game(const WindowSpec& windowSpec);
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

private:
    void ClearBackground() const;

    WindowSpec windowSpec;
};
