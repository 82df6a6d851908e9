#include "tatami2d/render/CurrentColor.h"

namespace tatami2d {
namespace {

// One context per process, drawn on one thread; Core notes its colour when it makes it.
ColorRGBA current;

} // namespace

void RememberCurrentColor(const ColorRGBA& color) {
    current = color;
}

const ColorRGBA& RememberedCurrentColor() {
    return current;
}

} // namespace tatami2d
