#pragma once

#include "support/GLContextFixture.h"
#include "tatami2d/math/Pos2f.h"
#include "tools/Canvas.h"

// How many whole digits in the colour a right-aligned row of 24 x 40 glyph frames shows, each
// 29 left of the next, the rightmost with its bottom-left corner at the anchor. A digit's ink
// runs from 10 to 30 above its frame's bottom and stays clear of the gap to the next slot, so
// a cut, shifted or crowded glyph does not count.
int GlyphsIn(const tatami2d::Pos2f& anchor, const Canvas::Color& color);
bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance = 2);
// How many pixels of the w x h block at (x, y) are near the colour.
int CountPixels(int x, int y, int w, int h, const Pixel& color);
// The framebuffer pixel an opaque artwork colour becomes.
Pixel PixelOf(const Canvas::Color& color);
