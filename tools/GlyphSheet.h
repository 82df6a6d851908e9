#pragma once

#include "tools/Canvas.h"

#include <SDL_ttf.h>

// Paints a sheet of the sixteen digit glyphs 0-9, A-F in one row of equal frames.
// Frames are 24 x 40 pixels: twelve binary digits, each a frame width plus 5 apart, fit
// the 370-wide input box, and every glyph keeps at least 2 transparent columns on each
// side because the game reads single-row frames one pixel to the right of their cell.
namespace glyphsheet {

constexpr int kFrameWidth = 24;
constexpr int kFrameHeight = 40;
constexpr int kFrames = 16;
constexpr int kMinSideMargin = 2;
// The point size at which the widest glyph of the typeface still keeps its margins.
constexpr int kPointSize = 34;

// False (with a message on stderr) if a glyph cannot be rendered or does not fit.
bool Paint(TTF_Font* font, const Canvas::Color& color, Canvas& sheet);

} // namespace glyphsheet
