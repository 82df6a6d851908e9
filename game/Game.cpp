#include "game/Game.h"

#include "game/GivenNumber.h"
#include "tatami2d/render/Drawing.h"

#include <SDL_opengl.h>

using tatami2d::Pos2f;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace dojo {

namespace {

// The character of a digit key of the main row or the keypad, or of a letter a-f; '\0'
// for every other key. Letters come out lower case whatever Shift or Caps Lock say.
char CharacterOfKey(SDL_Keycode key) {
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<char>('0' + (key - SDLK_0));
    }
    if (key >= SDLK_a && key <= SDLK_f) {
        return static_cast<char>('a' + (key - SDLK_a));
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return static_cast<char>('1' + (key - SDLK_KP_1));
    }
    if (key == SDLK_KP_0) {
        return '0';
    }
    return '\0';
}

} // namespace

Game::Game(const WindowSpec& windowSpec)
    : windowSpec{windowSpec}, mousePos{0.0f, 0.0f}, lineColor{0.0f, 0.0f, 0.0f, 1.0f} {
    Initialize();
}

Game::~Game() {
    Cleanup();
}

void Game::Initialize() {
    panels.push_back(std::make_unique<GivenNumber>(NumberBase::Hexadecimal, Pos2f{7.5f, 285.0f}));
    panels.push_back(std::make_unique<GivenNumber>(NumberBase::Binary, Pos2f{457.5f, 285.0f}));
    panels.push_back(std::make_unique<GivenNumber>(NumberBase::Decimal, Pos2f{907.5f, 285.0f}));
}

void Game::Cleanup() {
    for (std::unique_ptr<GivenNumber>& panel : panels) {
        panel.reset();
    }
    panels.clear();
}

void Game::Update(float /*elapsedSec*/) {}

void Game::Draw() const {
    ClearBackground();
    for (const std::unique_ptr<GivenNumber>& panel : panels) {
        panel->Draw();
    }
    DrawGrid();
}

void Game::OnKeyDown(const SDL_KeyboardEvent& /*e*/) {}

void Game::OnKeyUp(const SDL_KeyboardEvent& e) {
    const char key = CharacterOfKey(e.keysym.sym);
    if (key == '\0') {
        return;
    }
    for (const std::unique_ptr<GivenNumber>& panel : panels) {
        panel->HandleKey(key);
    }
}

void Game::OnMouseMotion(const SDL_MouseMotionEvent& e) {
    mousePos = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
}

void Game::OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}

void Game::OnMouseUp(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT) {
        return;
    }
    for (const std::unique_ptr<GivenNumber>& panel : panels) {
        panel->HandleClick(mousePos);
    }
}

void Game::ClearBackground() const {
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void Game::DrawGrid() const {
    constexpr float lineWidth = 5.0f;
    constexpr float half = lineWidth / 2.0f; // keeps the borders wholly inside the window
    const float w = windowSpec.width;
    const float h = windowSpec.height;
    util2d::SetColor(lineColor);
    util2d::DrawLine(Pos2f{0.0f, h - half}, Pos2f{w, h - half}, lineWidth);
    util2d::DrawLine(Pos2f{0.0f, half}, Pos2f{w, half}, lineWidth);
    util2d::DrawLine(Pos2f{0.0f, 245.0f}, Pos2f{w, 245.0f}, lineWidth);
    util2d::DrawLine(Pos2f{half, 0.0f}, Pos2f{half, h}, lineWidth);
    util2d::DrawLine(Pos2f{452.5f, 0.0f}, Pos2f{452.5f, h}, lineWidth);
    util2d::DrawLine(Pos2f{902.5f, 0.0f}, Pos2f{902.5f, h}, lineWidth);
    util2d::DrawLine(Pos2f{w - half, 0.0f}, Pos2f{w - half, h}, lineWidth);
}

} // namespace dojo
