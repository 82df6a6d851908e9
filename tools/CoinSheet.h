#pragma once

#include "tools/Canvas.h"

// The sprite sheet of the sprites example: a coin turning about its upright axis, one
// eighth of a turn a frame, in 4 columns and 2 rows of 64 x 64 frames. The front shows a
// star, the back a ring; frames 2 and 6 show the coin edge on.
namespace coinsheet {

constexpr int kColumns = 4;
constexpr int kRows = 2;
constexpr int kFrameSize = 64;

Canvas Paint();

} // namespace coinsheet
