#pragma once

#include "tatami2d/app/Core.h"
#include "tatami2d/app/QuitRequest.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A game driven through Core's own loop by a script of steps, one a pass, then asked to quit.
// What a step sends through SDL arrives with the next pass's events.

namespace scripted {

inline std::vector<std::function<void()>> steps;
inline std::size_t next = 0;
inline float frameSeconds = -1.0f; // at or above 0: a frame this pass
inline std::string heard;          // what the game noted, in order

inline void RunStep() {
    frameSeconds = -1.0f;
    if (next < steps.size()) {
        steps[next++]();
    } else {
        tatami2d::RequestQuit();
    }
}

inline void Note(const char* format, int a = 0, int b = 0) {
    char line[96];
    std::snprintf(line, sizeof line, format, a, b);
    heard.append(line).append("|");
}

inline void Push(SDL_Event event) {
    SDL_PushEvent(&event);
}

inline SDL_Event WindowEvent(Uint8 what) {
    SDL_Event event{SDL_WINDOWEVENT};
    event.window.event = what;
    return event;
}

inline void Click(int x, int y) {
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{type};
        event.button = {type, 0, 0, 0, SDL_BUTTON_LEFT, 0, 0, 0, x, y};
        Push(event);
    }
}

// Plugs in a virtual gamepad in SDL's standard layout; its device index.
inline int AttachPad() {
    return SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                     SDL_CONTROLLER_BUTTON_MAX, 0);
}

inline SDL_Joystick* PadAt(int device) {
    return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
}

// The handlers every game has; it notes mouse presses.
struct Game {
    explicit Game(const tatami2d::WindowSpec&) {}
    void OnKeyDown(const SDL_KeyboardEvent&) {}
    void OnKeyUp(const SDL_KeyboardEvent&) {}
    void OnMouseMotion(const SDL_MouseMotionEvent&) {}
    void OnMouseDown(const SDL_MouseButtonEvent& e) { Note("down %d,%d", e.x, e.y); }
    void OnMouseUp(const SDL_MouseButtonEvent&) {}
    void Update(float) { RunStep(); }
    void Draw() {}
};

template <class Game>
void Play(tatami2d::Core& core, std::vector<std::function<void()>> script) {
    heard.clear();
    steps = std::move(script);
    next = 0;
    core.Run<Game>();
}

} // namespace scripted
