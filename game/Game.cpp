#include "game/Game.h"

#include <SDL_opengl.h>

Game::Game(const WindowSpec& windowSpec) : windowSpec{windowSpec} {}

Game::~Game() = default;

void Game::Update(float /*elapsedSec*/) {}

void Game::Draw() const {
    ClearBackground();
}

void Game::OnKeyDown(const SDL_KeyboardEvent& /*e*/) {}

void Game::OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}

void Game::OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}

void Game::OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}

void Game::OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}

void Game::ClearBackground() const {
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
