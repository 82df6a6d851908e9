#pragma once

#include "support/GLContextFixture.h"
#include "tatami2d/math/Pos2f.h"
#include "tools/Canvas.h"

// What a player sees of a right-aligned row of 24 x 40 digit glyphs, each 29 left of the
// next, whose rightmost glyph has its bottom-left corner at the anchor: how many slots,
// leftwards from the anchor, show the artwork colour.
int GlyphsIn(const Pos2f& anchor, const Canvas::Color& color);
bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance = 2);
// How many pixels of the w x h block at (x, y) are near the colour.
int CountPixels(int x, int y, int w, int h, const Pixel& color);
// The framebuffer pixel an opaque artwork colour becomes.
Pixel PixelOf(const Canvas::Color& color);
