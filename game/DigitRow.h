#pragma once

#include "tatami2d/math/Pos2f.h"

#include <string_view>

namespace tatami2d {
class Sprite;
} // namespace tatami2d

namespace dojo {

// Numbers are drawn as rows of glyphs from a 16-frame sheet (0-9, then A-F), never as
// rendered text, so a new number costs no text rendering.
namespace digitrow {

// The frame of a digit character: '0'-'9' give 0-9, 'A'-'F' and 'a'-'f' give 10-15.
int GlyphIndex(char digit);

// Draws the digits right-aligned: the last digit's left edge at anchor.x, each earlier one
// a frame width plus 5 further left, all at anchor.y. One sprite is moved and re-framed
// for every glyph.
void Draw(tatami2d::Sprite& sprite, std::string_view digits, const tatami2d::Pos2f& anchor);

} // namespace digitrow

} // namespace dojo
