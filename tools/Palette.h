#pragma once

#include "tools/Canvas.h"

// The colours of the game's artwork, chosen for the dark input box (0.1 grey) and the
// board (0.15 grey). Green and red differ strongly in lightness as well as hue (about
// 82 against 60 in CIE L*), so players who confuse the two hues still tell them apart;
// blue and white stay clear of both.
namespace palette {

constexpr Canvas::Color kGreen{0.42f, 0.90f, 0.50f, 1.0f};
constexpr Canvas::Color kRed{0.96f, 0.36f, 0.30f, 1.0f};
constexpr Canvas::Color kBlue{0.39f, 0.67f, 1.0f, 1.0f};
constexpr Canvas::Color kWhite{0.94f, 0.94f, 0.94f, 1.0f};
// The board behind the panels, and the round plate behind each button icon.
constexpr Canvas::Color kBoard{0.15f, 0.15f, 0.15f, 1.0f};
constexpr Canvas::Color kPlate{0.27f, 0.27f, 0.27f, 1.0f};

} // namespace palette
