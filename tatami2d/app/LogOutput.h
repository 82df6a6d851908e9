#pragma once

#include <initializer_list>
#include <string_view>

namespace tatami2d {

// Writes one message, given in pieces, to the sink the program chose (stderr by default). Never
// throws and, on the default path, never allocates, so the out-of-memory reports work too.
void WriteLog(std::initializer_list<std::string_view> pieces) noexcept;

} // namespace tatami2d
