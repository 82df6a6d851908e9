#pragma once

#include <memory>
#include <string>

#include <SDL.h>

// Frames read back from the window's colour buffer, compared with reference pictures.
using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The colour buffer that the next swap would show, width x height from the bottom-left corner,
// as RGB rows from the top. Alpha is left out: the window is opaque.
Surface CaptureFrame(int width, int height);

// Mesa draws the same frame bit for bit here; 2 per channel lets blends round differently on
// another processor, while a shape that moves, grows, recolours or goes missing differs far more.
constexpr int kChannelTolerance = 2;

// Expects the frame to match the PNG at reference, or, with DOJO_WRITE_SCREENSHOTS set, writes
// it there. A frame that differs is saved at lastFrame for a look.
void ExpectFrameMatches(const SDL_Surface& frame, const std::string& reference,
                        const std::string& lastFrame);
