#pragma once

#include "tatami2d/app/DrawArea.h"

namespace tatami2d {

/// \file
/// Where a logical window of fixed size lands in a drawable of any size.

/// The logical window scaled to fit the drawable (drawable pixels, both sides above 0) with
/// its shape kept, centred, with bars on the two sides where the shapes differ; the area is
/// at least one pixel each way. A drawable of exactly the logical size, truncated to whole
/// pixels, shows it unscaled in full: the window as it opened, whatever the fraction.
DrawArea FitDrawArea(int drawableWidth, int drawableHeight, float logicalWidth,
                     float logicalHeight);

} // namespace tatami2d
