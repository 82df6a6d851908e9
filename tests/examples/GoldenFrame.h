#pragma once

#include <memory>
#include <string>

#include <SDL.h>

// Frames drawn by the examples, compared with the screenshots committed beside their sources.

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The colour buffer of a drawable of width x height pixels that the next swap would show,
// rows from the top. Alpha is left out: the window is opaque.
Surface CaptureFrame(int width, int height);

// Expects the frame to match examples/<folder>/<name>.png, or writes it there when
// DOJO_WRITE_SCREENSHOTS is set (the `example-screenshots` target).
void ExpectGolden(const SDL_Surface& frame, const std::string& folder, const std::string& name);
