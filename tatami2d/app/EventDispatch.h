#pragma once

#include "tatami2d/app/MouseMapping.h"
#include "tatami2d/detail/OptionalHandlers.h"

#include <SDL.h>

namespace tatami2d {

/// \file
/// Delivery of SDL events to a game's handlers.

/// Makes a wheel turned the "flipped" way (natural scrolling) read like any other: positive y
/// away from the player, positive x to the right.
inline void TurnWheelUpright(SDL_MouseWheelEvent& wheel) {
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
        wheel.x = -wheel.x;
        wheel.y = -wheel.y;
        wheel.preciseX = -wheel.preciseX;
        wheel.preciseY = -wheel.preciseY;
        wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    }
}

/// Hands one SDL event to the game's handler: key presses and releases, mouse motion and
/// mouse button presses and releases, and, where the handler declares them, the mouse wheel,
/// text input, window focus gained and lost, and gamepads; other events are ignored. Mouse
/// positions (the wheel's too) arrive mapped into the logical window, y up; the relative
/// motion passes as SDL gives it. Returns true for SDL_QUIT so the caller can finish
/// draining the queue before it stops.
template <class Handler>
bool DispatchEvent(SDL_Event& event, Handler& handler, const MouseMapping& mouse) {
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
        mouse.Map(event.motion.x, event.motion.y);
        handler.OnMouseMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
        mouse.Map(event.button.x, event.button.y);
        handler.OnMouseDown(event.button);
        break;
    case SDL_MOUSEBUTTONUP:
        mouse.Map(event.button.x, event.button.y);
        handler.OnMouseUp(event.button);
        break;
    case SDL_MOUSEWHEEL:
        if constexpr (detail::kHasMouseWheel<Handler>) {
            mouse.Map(event.wheel.mouseX, event.wheel.mouseY);
            TurnWheelUpright(event.wheel);
            handler.OnMouseWheel(event.wheel);
        }
        break;
    case SDL_TEXTINPUT:
        if constexpr (detail::kHasTextInput<Handler>) {
            handler.OnTextInput(event.text);
        }
        break;
    case SDL_WINDOWEVENT:
        if constexpr (detail::kHasFocusGained<Handler>) {
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                handler.OnFocusGained();
            }
        }
        if constexpr (detail::kHasFocusLost<Handler>) {
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                handler.OnFocusLost();
            }
        }
        break;
    case SDL_CONTROLLERDEVICEADDED:
        if constexpr (detail::kHasGamepadAdded<Handler>) {
            handler.OnGamepadAdded(event.cdevice);
        }
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if constexpr (detail::kHasGamepadRemoved<Handler>) {
            handler.OnGamepadRemoved(event.cdevice);
        }
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        if constexpr (detail::kHasGamepadButtonDown<Handler>) {
            handler.OnGamepadButtonDown(event.cbutton);
        }
        break;
    case SDL_CONTROLLERBUTTONUP:
        if constexpr (detail::kHasGamepadButtonUp<Handler>) {
            handler.OnGamepadButtonUp(event.cbutton);
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        if constexpr (detail::kHasGamepadAxis<Handler>) {
            handler.OnGamepadAxis(event.caxis);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace tatami2d
