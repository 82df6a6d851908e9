#include "tatami2d/app/DrawAreaFit.h"

#include <algorithm>
#include <cmath>

namespace tatami2d {

namespace {

// The side scaled to whole pixels, within the drawable.
int ScaledSide(float logical, double scale, int drawable) {
    return std::clamp(static_cast<int>(std::lround(logical * scale)), 1, drawable);
}

} // namespace

DrawArea FitDrawArea(int drawableWidth, int drawableHeight, float logicalWidth,
                     float logicalHeight) {
    if (drawableWidth == static_cast<int>(logicalWidth) &&
        drawableHeight == static_cast<int>(logicalHeight)) {
        return DrawArea{0, 0, drawableWidth, drawableHeight, logicalWidth, logicalHeight};
    }
    const double scale = std::min(drawableWidth / static_cast<double>(logicalWidth),
                                  drawableHeight / static_cast<double>(logicalHeight));
    const int width = ScaledSide(logicalWidth, scale, drawableWidth);
    const int height = ScaledSide(logicalHeight, scale, drawableHeight);
    return DrawArea{(drawableWidth - width) / 2,
                    (drawableHeight - height) / 2,
                    width,
                    height,
                    logicalWidth,
                    logicalHeight};
}

} // namespace tatami2d
