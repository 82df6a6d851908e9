#pragma once

#include "tatami2d/app/Core.h"
#include "tatami2d/app/QuitRequest.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A game driven through Core's own loop: each Update runs the next step of a script (one a
// frame), and once the script is done it asks to quit. What the game hears goes to `heard`.

inline std::string heard;
inline std::vector<std::function<void()>> steps;
inline std::size_t step = 0;

inline void Note(const char* format, int a = 0, int b = 0, int c = 0, int d = 0) {
    char line[96];
    std::snprintf(line, sizeof line, format, a, b, c, d);
    heard += line;
    heard += "|";
}

inline void Push(SDL_Event event) {
    SDL_PushEvent(&event);
}

inline SDL_Event WindowEvent(Uint8 what) {
    SDL_Event event{SDL_WINDOWEVENT};
    event.window.event = what;
    return event;
}

// The handlers every game has; it hears mouse presses.
struct ScriptedGame {
    explicit ScriptedGame(const tatami2d::WindowSpec&) { step = 0; }
    void OnKeyDown(const SDL_KeyboardEvent&) {}
    void OnKeyUp(const SDL_KeyboardEvent&) {}
    void OnMouseMotion(const SDL_MouseMotionEvent&) {}
    void OnMouseDown(const SDL_MouseButtonEvent& e) { Note("down %d,%d", e.x, e.y); }
    void OnMouseUp(const SDL_MouseButtonEvent&) {}
    void Update(float) {
        if (step < steps.size()) {
            steps[step++]();
        } else {
            tatami2d::RequestQuit();
        }
    }
    void Draw() {}
};

template <class Game>
void RunScript(tatami2d::Core& core, std::vector<std::function<void()>> script) {
    heard.clear();
    steps = std::move(script);
    core.Run<Game>();
}
