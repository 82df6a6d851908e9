#pragma once

#include "support/GLContextFixture.h"
#include "tatami2d/math/Pos2f.h"
#include "tools/Canvas.h"

// What a player sees of a right-aligned row of 24 x 40 digit glyphs, each 29 left of the
// next, whose rightmost glyph has its bottom-left corner at the anchor.
struct GlyphRow {
    int count = 0; // slots with ink, counted leftwards from the anchor
    Pixel color{}; // the colour most of the ink shows
};

GlyphRow ReadGlyphRow(const Pos2f& anchor);
bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance = 2);
// How many pixels of the w x h block at (x, y) are near the colour.
int CountPixels(int x, int y, int w, int h, const Pixel& color);
// The framebuffer pixel an opaque artwork colour becomes.
Pixel PixelOf(const Canvas::Color& color);
