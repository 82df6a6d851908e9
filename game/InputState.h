#pragma once

#include <cstdint>

namespace dojo {

// The states of an answer field; each has its own glyph colour.
enum class InputState : std::int32_t {
    Editing = 0, // takes typed digits (blue)
    Idle = 1,    // initial state, takes no digits (white)
    Correct = 2, // the last check matched; locked, no buttons (green)
    Wrong = 3,   // the last check did not match (red)
};

} // namespace dojo
