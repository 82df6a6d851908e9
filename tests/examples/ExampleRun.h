#pragma once

#include "tatami2d/app/EventDispatch.h"
#include "tatami2d/math/WindowSpec.h"

#include <cstdint>
#include <string>
#include <vector>

#include <SDL.h>

// Runs an example's game class headless: a script of SDL input records and frames, played
// against the class on a live Core, then what the window would show after the last frame.

constexpr int kExampleWidth = 640;
constexpr int kExampleHeight = 480;

// The window every example program opens.
WindowSpec ExampleWindow();

// One step of a script: an input record as SDL delivers it (y downwards), or, when the
// record's type is 0, a frame: Update with `seconds`, then Draw.
struct Step {
    SDL_Event event;
    float seconds;
};
using Script = std::vector<Step>;

Step Frame(float seconds);
// Mouse records are written in world coordinates (y upwards) and stored as SDL's.
Step MouseMove(float x, float y);
Step MouseDown(float x, float y);
Step MouseUp(float x, float y);
Step KeyDown(SDL_Keycode key);
Step KeyUp(SDL_Keycode key);

// An RGB image, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The colour buffer that the next swap would show. Alpha is left out: the window is opaque.
Image CaptureFrame();
// False (with SDL's error on stderr) when the file cannot be read or written.
bool LoadPng(const std::string& path, Image& image);
bool SavePng(const Image& image, const std::string& path);

// Pixels where a channel differs by more than `tolerance`; every pixel when sizes differ.
int CountDifferingPixels(const Image& a, const Image& b, int tolerance);

// Hands the script's records to the demo as Core does, y turned upwards on the way.
template <class Demo>
void Play(Demo& demo, const Script& script) {
    for (Step step : script) {
        if (step.event.type == 0) {
            demo.Update(step.seconds);
            demo.Draw();
        } else {
            DispatchEvent(step.event, demo, kExampleHeight);
        }
    }
}

template <class Demo>
Image RunScript(const Script& script) {
    Demo demo{ExampleWindow()};
    Play(demo, script);
    return CaptureFrame();
}
