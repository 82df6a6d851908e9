#pragma once

#include "math/ColorRGBA.h"
#include "math/NumberBase.h"

// Texts and typography shared by the number panels and their answer fields.
namespace basetext {

// "Binary", "Decimal" or "Hexadecimal".
const char* LabelOf(NumberBase base);
// "2", "10" or "16".
const char* RadixOf(NumberBase base);
int RadixValueOf(NumberBase base);

inline constexpr const char* kFontPath = "Resources/Baloo.ttf";
inline constexpr int kLabelFontSize = 42;
inline constexpr int kRadixFontSize = 28;
// A muted green (98, 146, 99) that reads on the dark board without competing with the
// glyph colours.
inline const ColorRGBA kTextColor{0.38431373f, 0.57254905f, 0.3882353f, 1.0f};

} // namespace basetext
