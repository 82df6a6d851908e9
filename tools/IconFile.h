#pragma once

#include "tools/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// A Windows icon file (.ico) holding one square image per size, for the program's resources
// and the installer. Images up to 255 pixels are stored as 32-bit bitmaps, which every
// Windows reads; a 256-pixel image as the PNG given, which keeps the file small.
namespace iconfile {

// Writes `bitmaps` (square, at most 255 pixels, smallest first) and then `png256`, the bytes
// of a 256 x 256 PNG, into one .ico; false (with a message on stderr) when it cannot.
bool Write(const std::string& path, const std::vector<Canvas>& bitmaps,
           const std::vector<std::uint8_t>& png256);

} // namespace iconfile
