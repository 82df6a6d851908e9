#pragma once

#include "game/NumberBase.h"
#include "tatami2d/math/ColorRGBA.h"

#include <cstddef>

namespace dojo {

// What the number panels and their answer fields know about each base, and the
// typography they share.
namespace basetext {

struct BaseInfo {
    const char* label; // "Binary", "Decimal" or "Hexadecimal"
    const char* radix; // "2", "10" or "16"
    int radixValue;
    std::size_t maxDigits; // digits of 4095, the largest number asked for
};

const BaseInfo& InfoOf(NumberBase base);

inline constexpr const char* kFontPath = "Resources/Baloo.ttf";
inline constexpr int kLabelFontSize = 42;
inline constexpr int kRadixFontSize = 28;
// A muted green (98, 146, 99) that reads on the dark board without competing with the
// glyph colours.
inline const tatami2d::ColorRGBA kTextColor{0.38431373f, 0.57254905f, 0.3882353f, 1.0f};

} // namespace basetext

} // namespace dojo
