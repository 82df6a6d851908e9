#pragma once

#include "tatami2d/detail/OptionalHandlers.h"

#include <SDL.h>

/// \file
/// How Core's main loop reaches a game's handlers; part of Core::Run, not for direct use.

namespace tatami2d::detail {

/// The handlers of one game, reached through plain function pointers so that the main loop
/// is compiled once, inside the library, whatever the game's class. Holds the game by
/// address: it must outlive the handlers. An optional handler the game does not declare is
/// a null pointer, and its events are dropped.
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

    void OnMouseWheel(const SDL_MouseWheelEvent& e) const { Call(onMouseWheel, e); }
    void OnTextInput(const SDL_TextInputEvent& e) const { Call(onTextInput, e); }
    void OnFocusGained() const { Call(onFocusGained); }
    void OnFocusLost() const { Call(onFocusLost); }
    void OnGamepadAdded(const SDL_ControllerDeviceEvent& e) const { Call(onGamepadAdded, e); }
    void OnGamepadRemoved(const SDL_ControllerDeviceEvent& e) const { Call(onGamepadRemoved, e); }
    void OnGamepadButtonDown(const SDL_ControllerButtonEvent& e) const {
        Call(onGamepadButtonDown, e);
    }
    void OnGamepadButtonUp(const SDL_ControllerButtonEvent& e) const { Call(onGamepadButtonUp, e); }
    void OnGamepadAxis(const SDL_ControllerAxisEvent& e) const { Call(onGamepadAxis, e); }

    bool WantsGamepads() const { return wantsGamepads; }
    bool WantsText() const { return onTextInput != nullptr; }

private:
    template <class... Event>
    void Call(void (*handler)(void*, const Event&...), const Event&... e) const {
        if (handler != nullptr) {
            handler(game, e...);
        }
    }

    void* game;
    void (*onKeyDown)(void* game, const SDL_KeyboardEvent& e);
    void (*onKeyUp)(void* game, const SDL_KeyboardEvent& e);
    void (*onMouseMotion)(void* game, const SDL_MouseMotionEvent& e);
    void (*onMouseDown)(void* game, const SDL_MouseButtonEvent& e);
    void (*onMouseUp)(void* game, const SDL_MouseButtonEvent& e);
    void (*update)(void* game, float elapsedSec);
    void (*draw)(void* game);
    void (*onMouseWheel)(void* game, const SDL_MouseWheelEvent& e);
    void (*onTextInput)(void* game, const SDL_TextInputEvent& e);
    void (*onFocusGained)(void* game);
    void (*onFocusLost)(void* game);
    void (*onGamepadAdded)(void* game, const SDL_ControllerDeviceEvent& e);
    void (*onGamepadRemoved)(void* game, const SDL_ControllerDeviceEvent& e);
    void (*onGamepadButtonDown)(void* game, const SDL_ControllerButtonEvent& e);
    void (*onGamepadButtonUp)(void* game, const SDL_ControllerButtonEvent& e);
    void (*onGamepadAxis)(void* game, const SDL_ControllerAxisEvent& e);
    bool wantsGamepads;
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

    // The optional handlers, each only where the game declares it.
    if constexpr (kHasMouseWheel<Game>) {
        handlers.onMouseWheel = [](void* g, const SDL_MouseWheelEvent& e) {
            static_cast<Game*>(g)->OnMouseWheel(e);
        };
    }
    if constexpr (kHasTextInput<Game>) {
        handlers.onTextInput = [](void* g, const SDL_TextInputEvent& e) {
            static_cast<Game*>(g)->OnTextInput(e);
        };
    }
    if constexpr (kHasFocusGained<Game>) {
        handlers.onFocusGained = [](void* g) { static_cast<Game*>(g)->OnFocusGained(); };
    }
    if constexpr (kHasFocusLost<Game>) {
        handlers.onFocusLost = [](void* g) { static_cast<Game*>(g)->OnFocusLost(); };
    }
    if constexpr (kHasGamepadAdded<Game>) {
        handlers.onGamepadAdded = [](void* g, const SDL_ControllerDeviceEvent& e) {
            static_cast<Game*>(g)->OnGamepadAdded(e);
        };
    }
    if constexpr (kHasGamepadRemoved<Game>) {
        handlers.onGamepadRemoved = [](void* g, const SDL_ControllerDeviceEvent& e) {
            static_cast<Game*>(g)->OnGamepadRemoved(e);
        };
    }
    if constexpr (kHasGamepadButtonDown<Game>) {
        handlers.onGamepadButtonDown = [](void* g, const SDL_ControllerButtonEvent& e) {
            static_cast<Game*>(g)->OnGamepadButtonDown(e);
        };
    }
    if constexpr (kHasGamepadButtonUp<Game>) {
        handlers.onGamepadButtonUp = [](void* g, const SDL_ControllerButtonEvent& e) {
            static_cast<Game*>(g)->OnGamepadButtonUp(e);
        };
    }
    if constexpr (kHasGamepadAxis<Game>) {
        handlers.onGamepadAxis = [](void* g, const SDL_ControllerAxisEvent& e) {
            static_cast<Game*>(g)->OnGamepadAxis(e);
        };
    }
    handlers.wantsGamepads = kWantsGamepads<Game>;
    return handlers;
}

} // namespace tatami2d::detail
