#pragma once

#include "tools/Canvas.h"

#include <string>

// The application icon: the digits 1 and 0 in the game's green on a board-grey tile, with
// the Check button's plate and tick as a badge at the bottom right. It is described once,
// in a square of kDesignSize units, and both painted and written as SVG from that one
// description, so every size shows the same artwork.
namespace iconart {

constexpr int kDesignSize = 256;
// The hicolor theme's sizes the desktop environments ask for most.
constexpr int kPngSizes[] = {48, 64, 128, 256};

// The icon at `size` x `size` pixels.
Canvas Paint(int size);
// The icon as a standalone SVG document.
std::string Svg();

} // namespace iconart
