#pragma once

#include "math/Pos2f.h"
#include "support/GLContextFixture.h"
#include "tools/Canvas.h"

// What a player sees of a row of digit glyphs drawn right-aligned at an anchor (the
// bottom-left corner of the rightmost glyph), read back from the framebuffer.
struct GlyphRow {
    int count = 0; // glyph slots with ink, counted leftwards from the anchor
    Pixel color{}; // the colour most of the ink shows
};

// Reads the row at `anchor` for glyphs `frameWidth` wide and `frameHeight` tall, each a
// frame width plus 5 left of the next.
GlyphRow ReadGlyphRow(const Pos2f& anchor, int frameWidth = 24, int frameHeight = 40);

// True when the pixel is within `tolerance` of the colour on every channel.
bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance = 2);

// The framebuffer pixel an opaque artwork colour becomes.
Pixel PixelOf(const Canvas::Color& color);
