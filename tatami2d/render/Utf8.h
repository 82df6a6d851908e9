#pragma once

#include <cstddef>
#include <string_view>

namespace tatami2d {

/// \file
/// Stepping through UTF-8 text one character at a time.

/// Character boundaries in UTF-8 text, for carets, backspace and line breaks that must never
/// cut a character in two. A character is one well-formed sequence: a lead byte from 0xC2 to
/// 0xF4 followed by as many continuation bytes (0x80 to 0xBF) as it announces, or a single
/// ASCII byte. Any other byte (a stray continuation byte, a lead byte whose sequence is cut
/// short, 0xC0, 0xC1, 0xF5 to 0xFF) counts as a character of its own, so every step moves
/// and malformed text is stepped through without skipping a valid character.
namespace utf8 {

/// The byte index just past the character that starts at index: text.size() from the last
/// character, and text.size() for an index at or beyond the end.
std::size_t NextIndex(std::string_view text, std::size_t index);
/// The byte index where the character that ends at index starts: 0 from the start, and
/// the last character's start for an index beyond the end.
std::size_t PreviousIndex(std::string_view text, std::size_t index);

} // namespace utf8

} // namespace tatami2d
