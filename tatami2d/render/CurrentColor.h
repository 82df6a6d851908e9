#pragma once

#include "tatami2d/math/ColorRGBA.h"

namespace tatami2d {

/// \file
/// The current colour as the framework last set it.

/// Notes the colour every time the framework sets OpenGL's current colour (util2d::SetColor,
/// the magenta placeholder, a new context's white), so that a tinted draw can put it back
/// afterwards without asking OpenGL: state queries are not there in every build.
void RememberCurrentColor(const ColorRGBA& color);
/// The colour noted last.
const ColorRGBA& RememberedCurrentColor();

} // namespace tatami2d
