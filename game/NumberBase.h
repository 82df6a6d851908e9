#pragma once

namespace dojo {

// The three notations the game drills.
enum class NumberBase { Binary = 0, Decimal = 1, Hexadecimal = 2 };

} // namespace dojo
