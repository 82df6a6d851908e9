#pragma once

#include "support/FrameImage.h"
#include "support/ScriptedRun.h"

#include <map>
#include <memory>
#include <string>

#include <SDL.h>

// Frames drawn by the examples, compared with the screenshots committed beside their sources;
// and examples played by a script through Core's own loop (see ScriptedRun.h).

// Expects the frame to match examples/<folder>/<name>.png, or writes it there when
// DOJO_WRITE_SCREENSHOTS is set (the `example-screenshots` target).
void ExpectGolden(const SDL_Surface& frame, const std::string& folder, const std::string& name);

inline std::map<std::string, Surface> shots; // frames kept by name
inline std::string shotName;                 // the next frame's, if it is kept

// A step that makes a frame of the given seconds and keeps it, at the drawable's size.
inline std::function<void()> Shot(float seconds, const char* name) {
    return [seconds, name] {
        scripted::frameSeconds = seconds;
        shotName = name;
    };
}

// The demo, updated and drawn only in the frames its script asks for.
template <class Demo>
struct Scripted : Demo {
    using Demo::Demo;
    void Update(float) {
        if (scripted::RunStep() && scripted::frameSeconds >= 0.0f) {
            Demo::Update(scripted::frameSeconds);
        }
    }
    void Draw() {
        if (scripted::frameSeconds < 0.0f) {
            return;
        }
        Demo::Draw();
        if (!shotName.empty()) {
            int width = 0, height = 0;
            SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &width, &height);
            shots.insert_or_assign(shotName, CaptureFrame(width, height));
            shotName.clear();
        }
    }
};
