#pragma once

#include <SDL.h>

/// \file
/// How Core's main loop reaches a game's handlers; part of Core::Run, not for direct use.

namespace tatami2d::detail {

/// The handlers of one game, reached through plain function pointers so that the main loop
/// is compiled once, inside the library, whatever the game's class. Holds the game by
/// address: it must outlive the handlers.
class GameHandlers {
public:
    template <class Game>
    static GameHandlers Of(Game& game);

    void OnKeyDown(const SDL_KeyboardEvent& e) const { onKeyDown(game, e); }
    void OnKeyUp(const SDL_KeyboardEvent& e) const { onKeyUp(game, e); }
    void OnMouseMotion(const SDL_MouseMotionEvent& e) const { onMouseMotion(game, e); }
    void OnMouseDown(const SDL_MouseButtonEvent& e) const { onMouseDown(game, e); }
    void OnMouseUp(const SDL_MouseButtonEvent& e) const { onMouseUp(game, e); }
    void Update(float elapsedSec) const { update(game, elapsedSec); }
    void Draw() const { draw(game); }

private:
    void* game;
    void (*onKeyDown)(void* game, const SDL_KeyboardEvent& e);
    void (*onKeyUp)(void* game, const SDL_KeyboardEvent& e);
    void (*onMouseMotion)(void* game, const SDL_MouseMotionEvent& e);
    void (*onMouseDown)(void* game, const SDL_MouseButtonEvent& e);
    void (*onMouseUp)(void* game, const SDL_MouseButtonEvent& e);
    void (*update)(void* game, float elapsedSec);
    void (*draw)(void* game);
};

template <class Game>
GameHandlers GameHandlers::Of(Game& game) {
    GameHandlers handlers{};
    handlers.game = &game;
    handlers.onKeyDown = [](void* g, const SDL_KeyboardEvent& e) {
        static_cast<Game*>(g)->OnKeyDown(e);
    };
    handlers.onKeyUp = [](void* g, const SDL_KeyboardEvent& e) {
        static_cast<Game*>(g)->OnKeyUp(e);
    };
    handlers.onMouseMotion = [](void* g, const SDL_MouseMotionEvent& e) {
        static_cast<Game*>(g)->OnMouseMotion(e);
    };
    handlers.onMouseDown = [](void* g, const SDL_MouseButtonEvent& e) {
        static_cast<Game*>(g)->OnMouseDown(e);
    };
    handlers.onMouseUp = [](void* g, const SDL_MouseButtonEvent& e) {
        static_cast<Game*>(g)->OnMouseUp(e);
    };
    handlers.update = [](void* g, float elapsedSec) { static_cast<Game*>(g)->Update(elapsedSec); };
    handlers.draw = [](void* g) { static_cast<Game*>(g)->Draw(); };
    return handlers;
}

} // namespace tatami2d::detail
