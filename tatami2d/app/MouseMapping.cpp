#include "tatami2d/app/MouseMapping.h"

#include <cmath>

namespace tatami2d {

namespace {

// Logical pixels per drawable pixel, along one side.
double LogicalPerPixel(float logical, int area) {
    return std::trunc(static_cast<double>(logical)) / area;
}

} // namespace

MouseMapping::MouseMapping(int windowWidth, int windowHeight, int drawableWidth, int drawableHeight,
                           const DrawArea& area)
    : windowHeight{windowHeight}, scaleX{static_cast<double>(drawableWidth) / windowWidth *
                                         LogicalPerPixel(area.logicalWidth, area.width)},
      scaleY{static_cast<double>(drawableHeight) / windowHeight *
             LogicalPerPixel(area.logicalHeight, area.height)},
      offsetX{area.left * LogicalPerPixel(area.logicalWidth, area.width)},
      offsetY{area.bottom * LogicalPerPixel(area.logicalHeight, area.height)} {}

void MouseMapping::Map(std::int32_t& x, std::int32_t& y) const {
    x = static_cast<std::int32_t>(std::floor(x * scaleX - offsetX));
    y = static_cast<std::int32_t>(std::floor((windowHeight - y) * scaleY - offsetY));
}

} // namespace tatami2d
