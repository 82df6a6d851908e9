#pragma once

#include <SDL.h>

namespace tatami2d {

/// \file
/// Delivery of SDL events to a game's handlers.

/// Hands one SDL event to the game's handler: key presses and releases, mouse motion and
/// mouse button presses and releases; other events are ignored. Mouse records arrive with
/// y turned to y-up as windowHeight - y (no minus one: SDL's top row 0 becomes
/// windowHeight); x and the relative motion pass through as SDL gives them. Returns true
/// for SDL_QUIT so the caller can finish draining the queue before it stops.
template <class Handler>
bool DispatchEvent(SDL_Event& event, Handler& handler, int windowHeight) {
    switch (event.type) {
    case SDL_QUIT:
        return true;
    case SDL_KEYDOWN:
        handler.OnKeyDown(event.key);
        break;
    case SDL_KEYUP:
        handler.OnKeyUp(event.key);
        break;
    case SDL_MOUSEMOTION:
        event.motion.y = windowHeight - event.motion.y;
        handler.OnMouseMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
        event.button.y = windowHeight - event.button.y;
        handler.OnMouseDown(event.button);
        break;
    case SDL_MOUSEBUTTONUP:
        event.button.y = windowHeight - event.button.y;
        handler.OnMouseUp(event.button);
        break;
    default:
        break;
    }
    return false;
}

} // namespace tatami2d
