#pragma once

#include "tools/Canvas.h"

// The three button images: a round plate with a tick (Check), a cross (Delete) or a
// circular arrow (Refresh). 32 x 32 pixels, transparent around the plate; at most 40
// fits under the board's top border above the Refresh button.
namespace buttonart {

constexpr int kSize = 32;

Canvas PaintCheck();
Canvas PaintDelete();
Canvas PaintRefresh();

} // namespace buttonart
